#pragma once
// The constants screen. Besides editing the plant's calibration it holds, for the whole run, values
// other windows read and write through its boxes: the gauge bands, the live belt-scale readings, the
// maximum rate and the temperature limits. Any touch loads it hidden (its load runs, its activation
// does not); a level-3 login shows it.

#include "core/access_state.h"
#include "core/startup_and_settings.h"
#include "core/station_form.h"
#include "plant/controller/link.h"
#include "platform/forms/check_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/control_array.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/text_box.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace usina {

class FormConfig : public StationForm {
public:
    explicit FormConfig(Station& station);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void CmdAplicar_Click();
    void TxtMed_GotFocus(int Index);

    // The maximum-rate box as messages name it, by the captions around it.
    std::string rateMaximumPlace() const;

    // ---- per silo ----
    forms::ControlArray<forms::Frame> FrameInf{*this, "FrameInf", 1, 5};
    forms::ControlArray<forms::TextBox> TxtMed{*this, "TxtMed", 0, 4};
    forms::ControlArray<forms::Label> LblMed{*this, "LblMed", 0, 4};
    forms::ControlArray<forms::TextBox> Txtpes{*this, "Txtpes", 1, 5};
    forms::ControlArray<forms::Label> Labelkpes{*this, "Labelkpes", 1, 5};
    forms::ControlArray<forms::TextBox> Txtvel{*this, "Txtvel", 1, 5};
    forms::ControlArray<forms::Label> Labelkvel{*this, "Labelkvel", 1, 5};
    forms::ControlArray<forms::TextBox> Txttara{*this, "Txttara", 1, 5};
    forms::ControlArray<forms::Label> LblTara{*this, "LblTara", 1, 5};
    forms::ControlArray<forms::TextBox> Txtccarga{*this, "Txtccarga", 1, 5};
    forms::ControlArray<forms::Label> Lblleitura{*this, "Lblleitura", 1, 5};
    forms::ControlArray<forms::TextBox> Txtescala{*this, "Txtescala", 1, 5};
    forms::ControlArray<forms::Label> Lblescala{*this, "Lblescala", 1, 5};
    forms::ControlArray<forms::Label> Labellim{*this, "Labellim", 1, 5};
    forms::ControlArray<forms::TextBox> TxtInicVerd{*this, "TxtInicVerd", 1, 5};
    forms::ControlArray<forms::TextBox> TxtFimVerd{*this, "TxtFimVerd", 1, 5};
    forms::ControlArray<forms::Label> LblVerde{*this, "LblVerde", 1, 5};
    forms::ControlArray<forms::TextBox> TxtInicAmar{*this, "TxtInicAmar", 1, 5};
    forms::ControlArray<forms::TextBox> TxtFimAmar{*this, "TxtFimAmar", 1, 5};
    forms::ControlArray<forms::Label> LblAmarelo{*this, "LblAmarelo", 1, 5};
    forms::ControlArray<forms::TextBox> TxtInicVerm{*this, "TxtInicVerm", 1, 5};
    forms::ControlArray<forms::TextBox> TxtFimVerm{*this, "TxtFimVerm", 1, 5};
    forms::ControlArray<forms::Label> LblVermelho{*this, "LblVermelho", 1, 5};

    // ---- temperatures ----
    forms::Frame FrmTemp{*this, "FrmTemp"};
    forms::Label Label4{*this, "Label4"};
    forms::Label Label2{*this, "Label2"};
    forms::ControlArray<forms::Label> Lbltempo{*this, "Lbltempo", 0, 3};
    forms::ControlArray<forms::TextBox> txt_tn{*this, "txt_tn", 1, 5};
    forms::ControlArray<forms::TextBox> TextT0{*this, "TextT0", 1, 5};
    forms::ControlArray<forms::TextBox> TextTk{*this, "TextTk", 1, 5};
    forms::ControlArray<forms::TextBox> TextMinTemp{*this, "TextMinTemp", 1, 5};
    forms::ControlArray<forms::TextBox> TextMaxTemp{*this, "TextMaxTemp", 1, 5};

    // ---- recording, rate, pumps ----
    forms::Frame FrmTempo{*this, "FrmTempo"};
    forms::TextBox Txttempo{*this, "Txttempo"};
    forms::Label Lblmin{*this, "Lblmin"};
    forms::Frame Tonhmax{*this, "Tonhmax"};
    forms::Label Labeltonhmax{*this, "Labeltonhmax"};
    forms::TextBox Txttonhmax{*this, "Txttonhmax"};
    forms::Frame FrmBomb{*this, "FrmBomb"};
    forms::Label Lblkasf{*this, "Lblkasf"};
    forms::TextBox Textasf{*this, "Textasf"};
    forms::ControlArray<forms::Label> Lblkfil{*this, "Lblkfil", 0, 2};
    forms::TextBox Textfil{*this, "Textfil"};
    forms::TextBox Txtfibra{*this, "Txtfibra"};
    forms::CheckBox Chkfibra{*this, "Chkfibra"};
    forms::TextBox txtmalteno{*this, "txtmalteno"};
    forms::CheckBox Chkmal{*this, "Chkmal"};
    forms::CommandButton CmdAplicar{*this, "CmdAplicar"};
    forms::Label Label1{*this, "Label1"};

private:
    // The seven boxes of a belt-speed gauge, each beside its field of the gauges row (the phrase, a blank
    // and the silo's digit) and the caption that names it.
    enum class BandEnd { Scale, Start, End };
    struct GaugeBox {
        const char* phrase;
        forms::ControlArray<forms::TextBox> FormConfig::*boxes;
        forms::ControlArray<forms::Label> FormConfig::*caption;
        BandEnd end;
    };
    static const std::array<GaugeBox, 7> gaugeBoxes;

    // ---- design ----
    void layOutSilo(int i);
    void layOutTemperatures();
    void layOutRecordingRateAndPumps();
    void setTabOrder();
    void wireHandlers();

    // ---- key filters ----
    void numericKeyPress(int& KeyAscii);
    void signedKeyPress(int& KeyAscii);
    void TxtMed_KeyPress(int Index, int& KeyAscii);

    // ---- the steps of the load ----
    void showCalibration();
    void showPumpOutputs();
    void showGaugeBands();
    void showStoredTexts();
    void showAveragingCounts();

    // ---- the steps of the activation ----
    void lockStart();
    void enableExtraTemperatureRows(bool enabled);

    // ---- the steps of the apply ----
    struct AveragingCounts {
        std::array<std::string, 5> text;
        std::array<std::int16_t, 5> count{};
    };
    bool pumpConstantsPresent();
    bool otherBoxesPresent();
    bool controllerServesBothPumps();
    bool raisePumpConstantsToMinimum();
    std::optional<AveragingCounts> averagingCountsInRange();
    bool storedBoxesHoldNumbers();
    bool rateMaximumReachesTheLowestRate();
    void storeAveragingCounts(const AveragingCounts& counts);
    void writeAveragingCountsToSettings(const AveragingCounts& counts);
    void storeConstants();
    void storeGaugeBands();
    void rebandBeltGauges();
    void rebandTemperatureGauges();
    void applyRateMaximum();
    // The message line names a box by the captions the operator sees around it.
    void refuseBox(const std::string& place, const char* reason = "Valor inválido:");
    std::string bandPlace(int i, const forms::Label& colour, bool start) const;
    std::string temperaturePlace(int j, const forms::Label& column) const;

    AccessState& access = st.group<AccessState>();
    StartupAndSettings& settings = st.group<StartupAndSettings>();
    Link& link = st.group<Link>();
};

} // namespace usina
