#pragma once
// The mix editor: lists the stored mixes, shows one, and adds, alters or deletes a mix. It also holds
// the mix in use: loading a mix writes it into these boxes.

#include "core/station_form.h"
#include "platform/forms/command_button.h"
#include "platform/forms/control_array.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/list_control.h"
#include "platform/forms/text_box.h"

#include <optional>
#include <string>

namespace usina {

struct SavingButton;

class FormAltera_rec : public StationForm {
public:
    explicit FormAltera_rec(Station& station);

    void Form_Load() override;
    void Form_KeyPress(int& KeyAscii) override;
    void Form_Unload(int& Cancel) override;
    void alt_traco_Click();
    void CmdExcluir_Click();
    void cmd_nova_Click();
    void CmdAltera_Click();
    void ar_rapcap_LostFocus();

    // Loading the mix in use wrote its row into the boxes: that row is now the one shown, and being the
    // mix in use it cannot be deleted.
    void receiveMixInUse(const std::string& key);
    // The key of the row the boxes last received; none when the mix in use names no stored mix.
    const std::optional<std::string>& shownRow() const { return shownRow_; }

    // ---- name and rate ----
    forms::Label LblSigla{*this, "LblSigla"};
    forms::ComboBox alt_traco{*this, "alt_traco"};
    forms::Frame prod{*this, "prod"};
    forms::TextBox TxtProd{*this, "TxtProd"};
    forms::Label Lblton{*this, "Lblton"};

    // ---- composition: silos 1 to 4, and silo 5 in the recycled frame ----
    forms::Frame FrmComposic{*this, "FrmComposic"};
    forms::Label LblQuantidade{*this, "LblQuantidade"};
    forms::Label LblMaterial{*this, "LblMaterial"};
    // Frames 0 to 3: asphalt, filler, recycled, fibre.
    forms::ControlArray<forms::Frame> Frame1{*this, "Frame1", 0, 3};
    // Labels 0 to 4 name the silo rows; label 5 is the malteno share's, named after the plant's pumps.
    forms::ControlArray<forms::Label> Label3{*this, "Label3", 0, 5};
    forms::ControlArray<forms::TextBox> Text1{*this, "Text1", 0, 4};
    forms::ControlArray<forms::TextBox> Text4{*this, "Text4", 0, 4};

    // ---- additives: share and delay, by frame ----
    forms::TextBox ar_rapcap{*this, "ar_rapcap"};
    forms::TextBox ar_srapcap{*this, "ar_srapcap"};
    forms::Label LblQuantCap{*this, "LblQuantCap"};
    forms::TextBox ar_cap{*this, "ar_cap"};
    forms::TextBox ar_scap{*this, "ar_scap"};
    forms::Label LblQuantFiller{*this, "LblQuantFiller"};
    forms::TextBox ar_filler{*this, "ar_filler"};
    forms::TextBox ar_sfiller{*this, "ar_sfiller"};
    forms::Label LblQuantFibra{*this, "LblQuantFibra"};
    forms::TextBox ar_fibra{*this, "ar_fibra"};
    forms::TextBox ar_sfibra{*this, "ar_sfibra"};
    forms::ControlArray<forms::Label> LblPerc{*this, "LblPerc", 0, 3};
    forms::ControlArray<forms::Label> LblSincr{*this, "LblSincr", 0, 3};
    forms::ControlArray<forms::Label> LblSeg{*this, "LblSeg", 0, 3};

    forms::CommandButton cmd_nova{*this, "cmd_nova"};
    forms::CommandButton CmdAltera{*this, "CmdAltera"};
    forms::CommandButton CmdExcluir{*this, "CmdExcluir"};

private:
    void layOut();
    void layOutAdditive(forms::Frame& frame, forms::Label& shareLabel, forms::TextBox& share, int index,
                        forms::TextBox& delay, int top);
    void setTabOrder();
    void wireHandlers();

    // Choosing and showing.
    void fillNameList();
    // The row `mix` finds, its fields written into the boxes (the name box too when asked); false when
    // no row has that name.
    bool showStoredMix(const std::string& mix, bool withName);
    void setDeleteButtonFor(const std::string& chosen);
    std::string mixInUse();
    // The stored key of the row that `mix` finds (keys compare without regard to case); none when no row
    // has it.
    std::optional<std::string> storedKeyOf(const std::string& mix);

    // The steps of the two saving buttons; each refuses with its message and says whether to go on.
    void saveMix(const SavingButton& button);
    bool siloRowsFilledAndNumeric(const SavingButton& button);
    bool additivesFilled();
    bool additivesNumeric();
    bool binderSharesBelowHundred();
    bool delaysWithinDelayLines();
    bool belowMixCountLimit();
    bool withinProductionLimit(const SavingButton& button);
    bool withinRateBounds(const SavingButton& button);
    bool compositionAddsUpToHundred();
    bool nameAccepted(const SavingButton& button);
    bool newNameFree();
    bool renameAccepted();
    void writeRow(const SavingButton& button);
    // After a change: the window closes and the main window reloads its list and the mix in use.
    void closeAndReload();
    void refuse(const std::string& message);
    void refuseRate(double limit);

    std::optional<std::string> shownRow_;
};

} // namespace usina
