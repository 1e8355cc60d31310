#pragma once
// The operator's main window: the plant's display, the holder of the process (its timers are the
// process loop, its serial control the controller link) and the window whose unload ends the program.

#include "access/login_gate.h"
#include "core/access_state.h"
#include "core/main_window_port.h"
#include "core/station_form.h"
#include "plant/clock_state.h"
#include "plant/controller/link.h"
#include "plant/end_request.h"
#include "plant/main_window_state.h"
#include "plant/mix_and_calibration.h"
#include "plant/process_and_totals.h"
#include "platform/forms/command_button.h"
#include "platform/forms/control_array.h"
#include "platform/forms/decoration.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/list_control.h"
#include "platform/forms/menu_item.h"
#include "platform/forms/needle_gauge.h"
#include "platform/forms/scroll_bar.h"
#include "platform/forms/text_box.h"
#include "platform/forms/timer.h"

#include <functional>
#include <optional>
#include <string>

namespace usina {

class FormRanvikv5 : public StationForm {
public:
    explicit FormRanvikv5(Station& station);

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;

    void HScroll_Change();

    // ---- the operator's controls: start and stop, the mix, the rate keys, the moistures ----
    void CmdLiga_Click();
    void DBCombomist_Click();
    void DBCombomist_DblClick();
    void DBCombomist_GotFocus();
    void DBCombomist_KeyDown(int& KeyCode, int Shift);
    void DBCombomist_KeyPress(int& KeyAscii);
    void Form_KeyDown(int& KeyCode, int Shift) override;
    void HScroll_KeyDown(int& KeyCode, int Shift);
    void txtumid_Change(int Index);
    void txtumid_KeyPress(int Index, int& KeyAscii);

    // ---- the menus ----
    void mnualt_Click();
    void mnugra_Click();
    void mnusenha_Click();
    void mnulingua_Click();
    void mnusai_Click();
    void mnusil_Click();
    void mnurelplacas_Click();
    void mnurelprod_Click();
    void mnuRelConMat_Click();
    void mnuRelTemp_Click();
    void mnuout_Click();

    // The process loop: polling cycle, regulation, clock and delay lines, elapsed time and totals.
    void TimerX_Timer();
    void TimerProcesso_Timer();
    void TimerTempo_Timer();
    void TmrTempo_decor_Timer();

    // A request to end from outside the window (`requester`: "SIGTERM", "SIGINT"). A running plant is
    // stopped first, as its button stops it but without a login; the window then closes as its close
    // button closes it, once the files took every kept write or keptWritesWaitSeconds have passed.
    // The standard error tells each step.
    void EndOnRequest(const std::string& requester);

    // The five temperature gauges by channel number 1 to 5.
    forms::NeedleGauge& GaugeTmp(int channel);

    // What the shared services, the set-up screens and the logins reach of this window.
    MainWindowPort& port() { return port_; }

    // ---- silos, across the top ----
    forms::Frame FrmSilo1{*this, "FrmSilo1"};
    forms::Frame FrmSilo2{*this, "FrmSilo2"};
    forms::Frame FrmSilo3{*this, "FrmSilo3"};
    forms::Frame FrmSilo4{*this, "FrmSilo4"};
    forms::Frame FrmSilo5{*this, "FrmSilo5"};
    forms::ControlArray<forms::NeedleGauge> Gauge{*this, "Gauge", 1, 5};
    forms::ControlArray<forms::Label> LblUmid{*this, "LblUmid", 1, 5};
    forms::ControlArray<forms::TextBox> txtumid{*this, "txtumid", 1, 5};
    forms::ControlArray<forms::Label> LblQuant{*this, "LblQuant", 1, 5};
    forms::ControlArray<forms::Label> Lblmis{*this, "Lblmis", 1, 5};
    forms::ControlArray<forms::Label> Lblperc{*this, "Lblperc", 1, 5};
    forms::ControlArray<forms::Label> LblProdSilo{*this, "LblProdSilo", 1, 5};
    forms::ControlArray<forms::Label> LblTon_h{*this, "LblTon_h", 1, 5};
    forms::ControlArray<forms::Label> Lblt_h{*this, "Lblt_h", 1, 5};
    forms::ControlArray<forms::Label> LblParcialSilo{*this, "LblParcialSilo", 1, 5};
    forms::ControlArray<forms::Label> Lblton_par{*this, "Lblton_par", 1, 5};
    forms::ControlArray<forms::Label> LblTonPar{*this, "LblTonPar", 1, 5};
    forms::ControlArray<forms::Label> LblTotalSilo{*this, "LblTotalSilo", 1, 5};
    forms::ControlArray<forms::Label> Lbltot{*this, "Lbltot", 1, 5};
    forms::ControlArray<forms::Label> LblTonTot{*this, "LblTonTot", 1, 5};

    // ---- additives, down the left side ----
    forms::ControlArray<forms::Frame> Frame5{*this, "Frame5", 0, 3};
    forms::ControlArray<forms::Label> LblQuantAdit{*this, "LblQuantAdit", 0, 3};
    forms::Label lblasf{*this, "lblasf"};
    forms::Label lblfill{*this, "lblfill"};
    forms::Label lblmal{*this, "lblmal"};
    forms::Label lblfibra{*this, "lblfibra"};
    forms::ControlArray<forms::Label> LblPorcent{*this, "LblPorcent", 0, 3};
    forms::ControlArray<forms::Label> LblParcialAdit{*this, "LblParcialAdit", 0, 3};
    forms::Label lblparasf{*this, "lblparasf"};
    forms::Label lblparfil{*this, "lblparfil"};
    forms::Label lblparmal{*this, "lblparmal"};
    forms::Label lblparfibra{*this, "lblparfibra"};
    forms::ControlArray<forms::Label> LblTonParAdit{*this, "LblTonParAdit", 0, 3};
    forms::ControlArray<forms::Label> LblTotalAdit{*this, "LblTotalAdit", 0, 3};
    forms::Label lbltotasf{*this, "lbltotasf"};
    forms::Label lbltotfil{*this, "lbltotfil"};
    forms::Label lbltotmal{*this, "lbltotmal"};
    forms::Label lbltotfibra{*this, "lbltotfibra"};
    forms::ControlArray<forms::Label> LblTonTotAdit{*this, "LblTonTotAdit", 0, 3};

    // ---- temperatures, at the right ----
    forms::Frame Frame2{*this, "Frame2"};
    forms::NeedleGauge GaugeTmp1{*this, "GaugeTmp1"};
    forms::NeedleGauge GaugeTmp2{*this, "GaugeTmp2"};
    forms::NeedleGauge GaugeTmp3{*this, "GaugeTmp3"};
    forms::NeedleGauge GaugeTmp4{*this, "GaugeTmp4"};
    forms::NeedleGauge GaugeTmp5{*this, "GaugeTmp5"};

    // ---- mix, rate, production, time ----
    forms::Frame FrmMistura{*this, "FrmMistura"};
    forms::ComboBox DBCombomist{*this, "DBCombomist"};
    forms::Frame FrmProd{*this, "FrmProd"};
    forms::Label Lbl0{*this, "Lbl0"};
    forms::ScrollBar HScroll{*this, "HScroll"};
    forms::Label Lblmax{*this, "Lblmax"};
    forms::Frame Frame1{*this, "Frame1"};
    forms::Label LblProd{*this, "LblProd"};
    forms::Label Label8{*this, "Label8"};
    forms::Frame Frame3{*this, "Frame3"};
    forms::Label LblProdParcial{*this, "LblProdParcial"};
    forms::TextBox Txtprod_par{*this, "Txtprod_par"};
    forms::Label LblProdDiaria{*this, "LblProdDiaria"};
    forms::TextBox Txtprod_par_diaria{*this, "Txtprod_par_diaria"};
    forms::Label LblProdTotal{*this, "LblProdTotal"};
    forms::TextBox Txtprod_tot{*this, "Txtprod_tot"};
    forms::ControlArray<forms::Label> LblTons{*this, "LblTons", 0, 2};
    forms::Frame Frame4{*this, "Frame4"};
    forms::Label Lbltempo{*this, "Lbltempo"};
    forms::Frame FrmData{*this, "FrmData"};
    forms::Label LblDia{*this, "LblDia"};
    forms::Label LblTime{*this, "LblTime"};
    forms::CommandButton CmdLiga{*this, "CmdLiga"};

    // ---- message line and decoration ----
    forms::Shape Shape1{*this, "Shape1"};
    forms::Label LblOcorrencia{*this, "LblOcorrencia"};
    forms::Label LblOcorrenc{*this, "LblOcorrenc"};
    forms::Picture Picture1{*this, "Picture1"};
    forms::Image Image1{*this, "Image1"};

    // ---- the process loop ----
    forms::Timer TimerX{*this, "TimerX"};
    forms::Timer TimerProcesso{*this, "TimerProcesso"};
    forms::Timer TmrTempo_decor{*this, "TmrTempo_decor"};
    forms::Timer TimerTempo{*this, "TimerTempo"};

    // ---- menus ----
    forms::MenuItem mnuarq{*this, "mnuarq", "&Arquivo"};
    forms::MenuItem mnualt{*this, "mnualt", "&Traço", &mnuarq};
    forms::MenuItem mnugra{*this, "mnugra", "&Gravar Dados", &mnuarq};
    forms::MenuItem mnusenha{*this, "mnusenha", "&Usuários e Senhas", &mnuarq};
    forms::MenuItem mnulingua{*this, "mnulingua", "&Idiomas", &mnuarq};
    forms::MenuItem mnusai{*this, "mnusai", "&Sair", &mnuarq};
    forms::MenuItem mnuconf{*this, "mnuconf", "&Configurações"};
    forms::MenuItem mnusil{*this, "mnusil", "Cons&tantes", &mnuconf};
    forms::MenuItem mnuRel{*this, "mnuRel", "&Relatórios"};
    forms::MenuItem mnurelplacas{*this, "mnurelplacas", "Relatório de &Placas", &mnuRel};
    forms::MenuItem mnurelprod{*this, "mnurelprod", "Relatório de Pro&dução", &mnuRel};
    forms::MenuItem mnuRelConMat{*this, "mnuRelConMat", "Relatório de Consumo de &Materiais", &mnuRel};
    forms::MenuItem mnuRelTemp{*this, "mnuRelTemp", "Relatório de Temperatura", &mnuRel};
    forms::MenuItem mnuout{*this, "mnuout", "&Sair"};

private:
    class Port final : public MainWindowPort {
    public:
        explicit Port(FormRanvikv5& window) : w(window) {}
        forms::Label& LblOcorrenc() override { return w.LblOcorrenc; }
        forms::ComboBox& DBCombomist() override { return w.DBCombomist; }
        forms::CommandButton& CmdLiga() override { return w.CmdLiga; }
        forms::NeedleGauge& Gauge(int silo) override { return w.Gauge[silo]; }
        forms::NeedleGauge& GaugeTmp(int channel) override { return w.GaugeTmp(channel); }
        forms::ScrollBar& HScroll() override { return w.HScroll; }
        forms::Label& Lblmax() override { return w.Lblmax; }
        void Show() override { w.Show(); }
        void Unload() override { w.Unload(); }

    private:
        FormRanvikv5& w;
    };

    void layOutSilos();
    void layOutAdditives();
    void layOutTemperatures();
    void layOutProduction();
    void layOutMessageLine();
    void setUpMenus();
    void wireHandlers();
    void wireOperatorControls();
    void wireMenus();

    // The steps of the load.
    std::optional<std::string> readInterfaceLanguage();
    void tellLanguageFallback(const std::optional<std::string>& fallback);
    std::string languageFallbackMessage(const std::string& named) const;
    void translateCaptions();
    void resetLoginAndRecordCounter();
    void zeroLoadAndTotals();
    void clearDelayLines();
    void loadTotals();
    void showTotals();
    void chooseFirstMix();
    void clearSiloFlows();
    void applyRateMaximum();
    void applyMixRateWithinRateBar();
    void copyGaugeBandsToConstantsScreen();
    void startPollingAndReadModel();
    void greyMissingTemperatureGauges();
    void greyTemperatureGauge(forms::NeedleGauge& gauge);
    void buildTitle();

    // The steps of the unload.
    bool plantRunsOrIsStopping();
    bool keptWritesRefuseTheClose(int& Cancel);
    void closeOpenLoadTicket();
    void stepOfTheEnd(const std::function<void()>& step);

    // The steps of the end on request, the clock timer going on with them.
    void goOnEndingOnRequest();
    void endOnceWritesAreStored();

    // The steps of the start and the stop.
    bool nobodyLoggedIn();
    bool moistureBoxLeftEmpty();
    bool pumpSettingsRefuseTheStart();
    void startPlant();
    void startProcessTimers();
    void resetRunCounters();
    void applyMixRateWithinMaximum();
    void stopPlant();
    // RecordTick set near the recording period, within the counter's range.
    std::int16_t recordTickBesidePeriod(int offset) const;

    // The steps of the mix box.
    void chooseMix();
    void writeMixChangeRecord();
    void refillMixList();

    // The steps of the rate keys.
    void rateUp();
    void rateDown();

    // The steps of the moisture boxes.
    void readMoistures();

    // A window of a folder above this one, shown by its name; one this program does not hold yet says so.
    void tell(const std::string& text);

    // The groups of the module's state this window uses.
    AccessState& access = st.group<AccessState>();
    LoginGate& gate = st.group<LoginGate>();
    ClockState& clockState = st.group<ClockState>();
    Link& link = st.group<Link>();
    MixAndCalibration& mix = st.group<MixAndCalibration>();
    ProcessAndTotals& process = st.group<ProcessAndTotals>();
    MainWindowState& state = st.group<MainWindowState>();
    EndRequest& ending = st.group<EndRequest>();
    Port port_{*this};
};

} // namespace usina
