// The main window's load, its unload, and the rate scroll bar's change.

#include "plant/form_ranvikv5.h"

#include "plant/clock_state.h"
#include "plant/polling_state.h"
#include "plant/production_records_state.h"
#include "platform/value/conversions.h"
#include "platform/value/format_mask.h"
#include "setup/form_config.h"

#include <array>

namespace usina {

namespace {

const std::array<const char*, 6> languageColumns{"portugues", "espanhol", "ingles",
                                                 "italiano",  "frances",  "alemao"};

bool isLanguageColumn(const std::string& name) {
    for (const char* column : languageColumns) {
        if (name == column) {
            return true;
        }
    }
    return false;
}

// The controller's model code names the plant in the window title.
const char* modelWord(int code) {
    switch (code) {
    case 32:
        return "Pellumv";
    case 31:
        return "Ostrelv";
    case 50:
        return "Ranvikv";
    default:
        return nullptr;
    }
}

} // namespace

void FormRanvikv5::wireHandlers() {
    HScroll.Change = [this] { HScroll_Change(); };
    TimerX.Tick = [this] { TimerX_Timer(); };
    TimerProcesso.Tick = [this] { TimerProcesso_Timer(); };
    TimerTempo.Tick = [this] { TimerTempo_Timer(); };
    TmrTempo_decor.Tick = [this] { TmrTempo_decor_Timer(); };
}

void FormRanvikv5::Form_Load() {
    services.RunTrapped(name(), "Form_load", [this] {
        readInterfaceLanguage();
        translateCaptions();
        resetLoginAndRecordCounter();
        zeroLoadAndTotals();
        clearDelayLines();
        loadTotals();
        showTotals();
        chooseFirstMix();
        clearSiloFlows();
        applyRateMaximum();
        applyFirstMixRate();
        LblDia.setCaption(formatDate(st.clock().today(), "dd/mm/yy"));
        mix.LoadConstants();
        copyGaugeBandsToConstantsScreen();
        startPollingAndReadModel();
        greyMissingTemperatureGauges();
        buildTitle();
    });
}

// A language the table has no column for would turn every text into an error: Portuguese then.
void FormRanvikv5::readInterfaceLanguage() {
    db.ConstantsRecordset.moveFirst();
    const Value idioma = db.ConstantsRecordset.field("idioma");
    services.LanguageColumn = idioma.isNull() ? std::string() : toText(idioma);
    if (!isLanguageColumn(services.LanguageColumn)) {
        services.LanguageColumn = "portugues";
    }
}

// The window's own texts, then the menus (whose keys keep their "&" markers).
void FormRanvikv5::translateCaptions() {
    services.TranslateForm(*this);
    for (forms::MenuItem* item :
         {&mnuarq, &mnualt, &mnugra, &mnusenha, &mnulingua, &mnusai, &mnuRel, &mnuconf, &mnusil, &mnuout,
          &mnuRelConMat, &mnurelprod, &mnurelplacas, &mnuRelTemp}) {
        item->setCaption(services.TranslateText(item->caption()));
    }
}

// Nobody is logged in when the window opens, and the message line and the delay lines' shift start
// afresh.
void FormRanvikv5::resetLoginAndRecordCounter() {
    access.UserLevel = "0";
    services.RecordTick = 0;
    ClockState& clock = st.group<ClockState>();
    clock.DelayShiftIndex = 0;
    clock.OccurrenceAge = 0;
}

// A load begins with the program: no partials, nothing logged yet, no closed loads.
void FormRanvikv5::zeroLoadAndTotals() {
    st.group<PollingState>().LastSampleKg = 0;
    ProductionRecordsState& logged = st.group<ProductionRecordsState>();
    for (int i = 1; i <= 5; ++i) {
        process.SiloPartial[i] = 0;
        logged.SiloTotalLogged[i] = 0;
        process.SiloGrandTotal[i] = 0;
        process.SiloTotalBase[i] = 0;
    }
    process.AsphaltPartial = process.FillerPartial = process.MaltenoPartial = process.FibrePartial = 0;
    process.PartialProduction = 0;
    logged.AsphaltPartialLogged = logged.FillerPartialLogged = logged.FibrePartialLogged =
        logged.MaltenoPartialLogged = logged.PartialProductionLogged = 0;
    process.AsphaltGrandTotal = process.FillerGrandTotal = process.MaltenoGrandTotal =
        process.FibreGrandTotal = 0;
    process.AsphaltTotalBase = process.FillerTotalBase = process.MaltenoTotalBase = process.FibreTotalBase =
        0;
}

void FormRanvikv5::clearDelayLines() {
    ClockState& clock = st.group<ClockState>();
    for (DelayLine* line :
         {&clock.AsphaltDelayLine, &clock.FillerDelayLine, &clock.MaltenoDelayLine, &clock.FibreDelayLine}) {
        line->fill(0);
    }
}

// The stored totals; a new day starts the day's total again, and the row says so at once.
void FormRanvikv5::loadTotals() {
    db.TotalizerRecordset.moveFirst();
    process.TotalBase = toDouble(db.TotalizerRecordset.field("total"));
    process.TotalProduction = process.TotalBase;
    const Value datatot = db.TotalizerRecordset.field("datatot");
    const Date today = st.clock().today();
    if (datatot.isDate() && datatot.date() == today) {
        process.DailyBase = toDouble(db.TotalizerRecordset.field("par_diaria"));
    } else {
        process.DailyBase = 0;
        db.TotalizerRecordset("datatot") = Value(today);
        db.TotalizerRecordset("par_diaria") = Value(0);
        db.TotalizerRecordset.update();
    }
    process.DailyProduction = process.DailyBase;
}

// The load starts at 0; the per-material totals count from the start of the program.
void FormRanvikv5::showTotals() {
    Txtprod_par.setText("0");
    Txtprod_par_diaria.setText(formatNumber(process.DailyBase, "######0.00"));
    Txtprod_tot.setText(formatNumber(process.TotalBase, "######0.00"));
    for (int i = 1; i <= 5; ++i) {
        Lbltot[i].setCaption(formatNumber(process.SiloGrandTotal[i], "###0.00"));
    }
    lbltotfil.setCaption(formatNumber(process.FillerGrandTotal, "###0.00"));
    lbltotasf.setCaption(formatNumber(process.AsphaltGrandTotal, "###0.00"));
    lbltotmal.setCaption(formatNumber(process.MaltenoGrandTotal, "###0.00"));
    lbltotfibra.setCaption(formatNumber(process.FibreGrandTotal, "###0.00"));
}

// The first mix in key order becomes the mix in use.
void FormRanvikv5::chooseFirstMix() {
    db.MixRecordset.moveFirst();
    if (db.MixRecordset.eof()) {
        services.ShowOccurrence(services.TranslateText("Nenhum traço cadastrado"));
        return;
    }
    DBCombomist.setText(toText(db.MixRecordset.field("mistura")));
    state.CurrentMix = DBCombomist.text();
    mix.LoadMix(state.CurrentMix);
    if (!db.MixRecordset.eof() && isNumeric(db.MixRecordset.field("producao_o"))) {
        mix.MixRate = toDouble(db.MixRecordset.field("producao_o"));
    }
}

void FormRanvikv5::clearSiloFlows() {
    for (int i = 1; i <= 5; ++i) {
        LblTon_h[i].setCaption("0");
    }
}

// The rate bar ends at the plant's maximum rate.
void FormRanvikv5::applyRateMaximum() {
    db.ConstantsRecordset.moveFirst();
    const Value prodmax = db.ConstantsRecordset.field("prodmax");
    HScroll.setMax(toInt16(prodmax));
    Lblmax.setCaption(toText(prodmax));
}

// The rate bar stands at the first mix's rate, held at the maximum when the mix asks for more.
void FormRanvikv5::applyFirstMixRate() {
    if (mix.MixRate > HScroll.max()) {
        services.ShowOccurrence(services.TranslateText("A produção escolhida excede a capacidade da usina."));
        mix.MixRate = HScroll.max();
        HScroll.setValue(HScroll.max());
    } else {
        HScroll.setValue(toInt16(mix.MixRate));
    }
    LblProd.setCaption(toText(Value(HScroll.value())));
}

// The constants screen loads hidden here, with the bands as its boxes show them, and stays loaded.
void FormRanvikv5::copyGaugeBandsToConstantsScreen() {
    db.GaugesRecordset.moveFirst();
    auto& config = st.form<FormConfig>();
    for (int n = 1; n <= 5; ++n) {
        const std::string digit = std::to_string(n);
        auto band = [&](const char* phrase) {
            return format(db.GaugesRecordset.field(phrase + digit), "##0");
        };
        config.Txtescala[n].setText(band("escala "));
        config.TxtInicVerd[n].setText(band("inicio verd "));
        config.TxtFimVerd[n].setText(band("fim verd "));
        config.TxtInicAmar[n].setText(band("inicio amar "));
        config.TxtFimAmar[n].setText(band("fim amar "));
        config.TxtInicVerm[n].setText(band("inicio verm "));
        config.TxtFimVerm[n].setText(band("fim verm "));
    }
}

// The model code is read three times and the last answer counts. The reads wait without yielding, so
// the polling timer cannot tick before the load ends.
void FormRanvikv5::startPollingAndReadModel() {
    TimerX.setEnabled(true);
    TimerX.setInterval(100);
    link.OpenSerialPort();
    for (int read = 0; read < 3; ++read) {
        link.ControllerModelCode = link.ReadControllerByte(0);
    }
}

// Only model 32 has the fourth and fifth temperature inputs; otherwise their gauges are greyed.
void FormRanvikv5::greyMissingTemperatureGauges() {
    if (link.ControllerModelCode == 32) {
        link.HasFiveTemperatures = true;
        return;
    }
    GaugeTmp4.setProperty(forms::gauge_dispid::activeLook, Value(0));
    GaugeTmp5.setProperty(forms::gauge_dispid::activeLook, Value(0));
    for (forms::NeedleGauge* gauge : {&GaugeTmp4, &GaugeTmp5}) {
        greyTemperatureGauge(*gauge);
    }
    for (forms::NeedleGauge* gauge : {&GaugeTmp4, &GaugeTmp5}) {
        gauge->setProperty(forms::gauge_dispid::styleFlags, Value(0));
    }
    for (forms::NeedleGauge* gauge : {&GaugeTmp4, &GaugeTmp5}) {
        gauge->setProperty(forms::gauge_dispid::needleColor,
                           Value(static_cast<double>(forms::colors::darkGrey)));
    }
}

void FormRanvikv5::greyTemperatureGauge(forms::NeedleGauge& gauge) {
    const forms::Color greys[] = {forms::colors::lightGrey, forms::colors::darkGrey, forms::colors::white};
    for (int band = 0; band < 3; ++band) {
        gauge.setProperty(forms::gauge_dispid::bandIndex, Value(band));
        gauge.setProperty(forms::gauge_dispid::bandColor, Value(static_cast<double>(greys[band])));
    }
}

// A known controller puts its model and the program's version before the title; an unknown one, or a
// silent one, leaves the title as it is.
void FormRanvikv5::buildTitle() {
    if (const char* word = modelWord(link.ControllerModelCode)) {
        const ProgramVersion& v = st.version();
        setCaption(std::string(word) + std::to_string(v.major) + "." + std::to_string(v.minor) + "." +
                   std::to_string(v.revision) + "-" + caption());
    }
}

void FormRanvikv5::Form_Unload(int& Cancel) {
    if (plantRunsOrIsStopping()) {
        Cancel = 1;
        services.ShowOccurrence(services.TranslateText("Desligar primeiro a Usina..."));
        st.ws().beep();
        return;
    }
    services.RunTrapped(name(), "Form_unload", [this] {
        zeroControllerOutputs();
        TimerX.setEnabled(false);
        link.CloseSerialPort();
    });
    db.CloseDatabases();
    st.ws().endProgram();
}

bool FormRanvikv5::plantRunsOrIsStopping() {
    return CmdLiga.caption() != services.TranslateText("Iniciar Processo");
}

// Registers 1 to 8 are the plant's outputs.
void FormRanvikv5::zeroControllerOutputs() {
    for (int address = 1; address <= 8; ++address) {
        link.WriteControllerByte(address, 0);
    }
}

void FormRanvikv5::HScroll_Change() {
    services.RunTrapped(name(), "hscroll_change", [this] {
        // The rate never goes below 20 t/h.
        if (HScroll.value() < 20) {
            HScroll.setValue(20);
        }
        LblProd.setCaption(toText(Value(HScroll.value())));
        process.ProductionTarget = HScroll.value();
        services.RecordTick = toInt16(static_cast<double>(services.RecordPeriod) - 5);
    });
}

} // namespace usina
