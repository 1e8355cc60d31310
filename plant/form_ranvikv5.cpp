// The main window's load, its unload, and the rate scroll bar's change.

#include "plant/form_ranvikv5.h"

#include "core/language_column.h"
#include "plant/clock_state.h"
#include "plant/polling_state.h"
#include "plant/production_records_state.h"
#include "platform/value/conversions.h"
#include "platform/value/format_mask.h"
#include "platform/value/text.h"
#include "setup/form_config.h"

namespace usina {

namespace {

double asNumber(const Value& v) {
    return toDouble(v);
}

std::int16_t asInt16(const Value& v) {
    return toInt16(v);
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
    wireOperatorControls();
    wireMenus();
    TimerX.Tick = [this] { TimerX_Timer(); };
    TimerProcesso.Tick = [this] { TimerProcesso_Timer(); };
    TimerTempo.Tick = [this] { TimerTempo_Timer(); };
    TmrTempo_decor.Tick = [this] { TmrTempo_decor_Timer(); };
}

void FormRanvikv5::Form_Load() {
    services.RunTrapped(name(), "Form_load", [this] {
        const std::optional<std::string> fallback = readInterfaceLanguage();
        translateCaptions();
        tellLanguageFallback(fallback);
        resetLoginAndRecordCounter();
        zeroLoadAndTotals();
        clearDelayLines();
        loadTotals();
        showTotals();
        chooseFirstMix();
        clearSiloFlows();
        applyRateMaximum();
        applyMixRateWithinRateBar();
        LblDia.setCaption(formatDate(st.clock().today(), "dd/mm/yy"));
        mix.LoadConstants(MixAndCalibration::OnUnusableValue::endTheStart);
        copyGaugeBandsToConstantsScreen();
        startPollingAndReadModel();
        greyMissingTemperatureGauges();
        buildTitle();
    });
}

// The language is the column of the table of interface texts that constantes.idioma names, in any
// case. A name the table has no column for would turn every text into an error: Portuguese then, and
// what to say of it.
std::optional<std::string> FormRanvikv5::readInterfaceLanguage() {
    db.ConstantsRecordset.moveFirst();
    const Value idioma = db.ConstantsRecordset.field("idioma");
    const std::string named = idioma.isNull() ? std::string() : trimBlanks(toText(idioma));
    if (const auto column = languageColumnNamed(db, named)) {
        services.LanguageColumn = *column;
        return std::nullopt;
    }
    const auto portuguese = languageColumnNamed(db, "portugues");
    if (!portuguese) {
        throw store::StoreError(store::StoreFault::missingField,
                                db.placeOf(db.LanguageRecordset, "portugues"));
    }
    services.LanguageColumn = *portuguese;
    return languageFallbackMessage(named);
}

// After the translation of the window, which would take the message line's text for a caption.
void FormRanvikv5::tellLanguageFallback(const std::optional<std::string>& fallback) {
    if (fallback) {
        services.ShowOccurrence(*fallback);
    }
}

// Said in Portuguese, the language it falls back to, and short enough for the message line (a long
// name is cut); it names where the language is set.
std::string FormRanvikv5::languageFallbackMessage(const std::string& named) const {
    constexpr std::size_t longestNameShown = 20;
    const store::StorePlace setting = db.placeOf(db.ConstantsRecordset, "idioma");
    const std::string where = setting.table + "." + setting.field + ", " + setting.file.filename().string();
    if (named.empty()) {
        return "Idioma vazio (" + where + "): textos em português";
    }
    return "Idioma '" + leftChars(named, longestNameShown) + "' sem textos (" + where + "): em português";
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
    process.TotalBase = db.convertedField(db.TotalizerRecordset, "total", asNumber);
    process.TotalProduction = process.TotalBase;
    const Value datatot = db.TotalizerRecordset.field("datatot");
    const Date today = st.clock().today();
    if (datatot.isDate() && datatot.date() == today) {
        process.DailyBase = db.convertedField(db.TotalizerRecordset, "par_diaria", asNumber);
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
    HScroll.setMax(db.convertedField(db.ConstantsRecordset, "prodmax", asInt16));
    Lblmax.setCaption(toText(db.ConstantsRecordset.field("prodmax")));
}

// The rate bar stands at the mix's rate, held at the maximum when the mix asks for more.
void FormRanvikv5::applyMixRateWithinRateBar() {
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

// The model code is read three times and the last answer counts, each read waiting its whole time-out:
// a lost answer must not make the others give up. The reads wait without yielding, so the polling
// timer cannot tick before the load ends.
void FormRanvikv5::startPollingAndReadModel() {
    TimerX.setEnabled(true);
    TimerX.setInterval(100);
    link.OpenSerialPort();
    for (int read = 0; read < 3; ++read) {
        link.ControllerModelCode = link.ReadControllerByte(0, ReadWait::fullTimeOut);
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
    if (keptWritesRefuseTheClose(Cancel)) {
        return;
    }
    // Whatever failed before, the close goes through to the end: the steps are always trapped, a
    // fault is logged with the handler's label and the next step still runs.
    stepOfTheEnd([this] { closeOpenLoadTicket(); });
    if (keptWritesRefuseTheClose(Cancel)) {
        return; // the plate met a busy file: it is kept, and the close waits for it too
    }
    TimerX.setEnabled(false);
    stepOfTheEnd([this] { link.ZeroOutputsAndCloseSerialPort(); });
    stepOfTheEnd([this] { db.CloseDatabases(); });
    st.ws().endProgram();
}

// The caption against its translation. When the texts cannot be read (their file failed after the
// load), the process timers tell: they run from the start until the stop has ended.
bool FormRanvikv5::plantRunsOrIsStopping() {
    try {
        return CmdLiga.caption() != services.TranslateText("Iniciar Processo");
    } catch (const forms::ProgramEnded&) {
        throw;
    } catch (...) {
        return TimerProcesso.enabled() || TmrTempo_decor.enabled();
    }
}

// Rows a busy file keeps (another program holds it) would go with the program: the close waits for
// the file, the clock timer trying it again meanwhile. An end on request stops waiting at its bound.
bool FormRanvikv5::keptWritesRefuseTheClose(int& Cancel) {
    if (ending.keptWritesGivenUp) {
        return false;
    }
    db.FlushPendingWrites();
    const std::string kept = db.Writes->waitingText();
    if (kept.empty()) {
        return false;
    }
    Cancel = 1;
    services.ShowOccurrence(kept + " ainda por gravar: fechar depois");
    st.ws().beep();
    return true;
}

// However the program ends, an open load ticket closes first and its unload stores the plate. The
// ticket lives in a folder above this one: it is known by its name.
void FormRanvikv5::closeOpenLoadTicket() {
    for (forms::Form* form : st.ws().loadedForms()) {
        if (form->name() == "FormRelCarga") {
            form->Unload();
        }
    }
}

void FormRanvikv5::stepOfTheEnd(const std::function<void()>& step) {
    try {
        step();
    } catch (const forms::ProgramEnded&) {
        throw;
    } catch (...) {
        services.ReportUnhandledError(std::current_exception(), forms::HandlerSite{name(), "Form_unload"});
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
