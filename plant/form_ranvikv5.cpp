// The main window's load, its unload, and the rate scroll bar's change.

#include "plant/form_ranvikv5.h"

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
}

void FormRanvikv5::Form_Load() {
    m.RunTrapped(name(), "Form_load", [this] {
        // 1.
        m.LastSampleKg = 0;
        // 2. A language the table has no column for would turn every text into an error.
        m.ConstantsRecordset.moveFirst();
        const Value idioma = m.ConstantsRecordset.field("idioma");
        m.LanguageColumn = idioma.isNull() ? std::string() : toText(idioma);
        if (!isLanguageColumn(m.LanguageColumn)) {
            m.LanguageColumn = "portugues";
        }
        // 3.
        m.TranslateForm(*this);
        for (forms::MenuItem* item :
             {&mnuarq, &mnualt, &mnugra, &mnusenha, &mnulingua, &mnusai, &mnuRel, &mnuconf, &mnusil, &mnuout,
              &mnuRelConMat, &mnurelprod, &mnurelplacas, &mnuRelTemp}) {
            item->setCaption(m.TranslateText(item->caption()));
        }
        // 4.
        m.UserLevel = "0";
        m.RecordTick = 0;
        m.DelayShiftIndex = 0;
        m.OccurrenceAge = 0;
        for (int i = 1; i <= 5; ++i) {
            m.SiloPartial[i] = 0;
            m.SiloTotalLogged[i] = 0;
            m.SiloGrandTotal[i] = 0;
            m.SiloTotalBase[i] = 0;
        }
        m.AsphaltPartial = m.FillerPartial = m.MaltenoPartial = m.FibrePartial = 0;
        m.PartialProduction = 0;
        m.AsphaltPartialLogged = m.FillerPartialLogged = m.FibrePartialLogged = m.MaltenoPartialLogged = 0;
        m.PartialProductionLogged = 0;
        m.AsphaltGrandTotal = m.FillerGrandTotal = m.MaltenoGrandTotal = m.FibreGrandTotal = 0;
        m.AsphaltTotalBase = m.FillerTotalBase = m.MaltenoTotalBase = m.FibreTotalBase = 0;
        // 5.
        for (DelayLine* line :
             {&m.AsphaltDelayLine, &m.FillerDelayLine, &m.MaltenoDelayLine, &m.FibreDelayLine}) {
            line->fill(0);
        }
        // 6.
        m.TotalizerRecordset.moveFirst();
        m.TotalBase = toDouble(m.TotalizerRecordset.field("total"));
        m.TotalProduction = m.TotalBase;
        // 7. A new day starts the day's total again, and the row says so at once.
        const Value datatot = m.TotalizerRecordset.field("datatot");
        const Date today = st.clock().today();
        if (datatot.isDate() && datatot.date() == today) {
            m.DailyBase = toDouble(m.TotalizerRecordset.field("par_diaria"));
        } else {
            m.DailyBase = 0;
            m.TotalizerRecordset("datatot") = Value(today);
            m.TotalizerRecordset("par_diaria") = Value(0);
            m.TotalizerRecordset.update();
        }
        m.DailyProduction = m.DailyBase;
        // 8.
        Txtprod_par.setText("0");
        Txtprod_par_diaria.setText(formatNumber(m.DailyBase, "######0.00"));
        Txtprod_tot.setText(formatNumber(m.TotalBase, "######0.00"));
        for (int i = 1; i <= 5; ++i) {
            Lbltot[i].setCaption(formatNumber(m.SiloGrandTotal[i], "###0.00"));
        }
        lbltotfil.setCaption(formatNumber(m.FillerGrandTotal, "###0.00"));
        lbltotasf.setCaption(formatNumber(m.AsphaltGrandTotal, "###0.00"));
        lbltotmal.setCaption(formatNumber(m.MaltenoGrandTotal, "###0.00"));
        lbltotfibra.setCaption(formatNumber(m.FibreGrandTotal, "###0.00"));
        // 9. The first mix in key order.
        m.MixRecordset.moveFirst();
        if (m.MixRecordset.eof()) {
            m.ShowOccurrence(m.TranslateText("Nenhum traço cadastrado"));
        } else {
            DBCombomist.setText(toText(m.MixRecordset.field("mistura")));
            m.CurrentMix = DBCombomist.text();
            m.LoadMix(m.CurrentMix);
            if (!m.MixRecordset.eof() && isNumeric(m.MixRecordset.field("producao_o"))) {
                m.MixRate = toDouble(m.MixRecordset.field("producao_o"));
            }
        }
        // 10.
        for (int i = 1; i <= 5; ++i) {
            LblTon_h[i].setCaption("0");
        }
        // 11.
        m.ConstantsRecordset.moveFirst();
        const Value prodmax = m.ConstantsRecordset.field("prodmax");
        HScroll.setMax(toInt16(prodmax));
        Lblmax.setCaption(toText(prodmax));
        // 12.
        if (m.MixRate > HScroll.max()) {
            m.ShowOccurrence(m.TranslateText("A produção escolhida excede a capacidade da usina."));
            m.MixRate = HScroll.max();
            HScroll.setValue(HScroll.max());
        } else {
            HScroll.setValue(toInt16(m.MixRate));
        }
        LblProd.setCaption(toText(Value(HScroll.value())));
        // 13.
        LblDia.setCaption(formatDate(today, "dd/mm/yy"));
        m.LoadConstants();
        // 14. The gauge bands into the constants screen, which loads hidden here and stays loaded.
        m.GaugesRecordset.moveFirst();
        auto& config = st.form<FormConfig>();
        for (int n = 1; n <= 5; ++n) {
            const std::string digit = std::to_string(n);
            auto band = [&](const char* phrase) {
                return format(m.GaugesRecordset.field(phrase + digit), "##0");
            };
            config.Txtescala[n].setText(band("escala "));
            config.TxtInicVerd[n].setText(band("inicio verd "));
            config.TxtFimVerd[n].setText(band("fim verd "));
            config.TxtInicAmar[n].setText(band("inicio amar "));
            config.TxtFimAmar[n].setText(band("fim amar "));
            config.TxtInicVerm[n].setText(band("inicio verm "));
            config.TxtFimVerm[n].setText(band("fim verm "));
        }
        // 15. The reads wait without yielding, so the polling timer cannot tick before the load ends.
        TimerX.setEnabled(true);
        TimerX.setInterval(100);
        link.OpenSerialPort();
        for (int read = 0; read < 3; ++read) {
            link.ControllerModelCode = link.ReadControllerByte(0);
        }
        // 16.
        if (link.ControllerModelCode != 32) {
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
        } else {
            link.HasFiveTemperatures = true;
        }
        // 17.
        if (const char* word = modelWord(link.ControllerModelCode)) {
            const ProgramVersion& v = st.version();
            setCaption(std::string(word) + std::to_string(v.major) + "." + std::to_string(v.minor) + "." +
                       std::to_string(v.revision) + "-" + caption());
        }
    });
}

void FormRanvikv5::greyTemperatureGauge(forms::NeedleGauge& gauge) {
    const forms::Color greys[] = {forms::colors::lightGrey, forms::colors::darkGrey, forms::colors::white};
    for (int band = 0; band < 3; ++band) {
        gauge.setProperty(forms::gauge_dispid::bandIndex, Value(band));
        gauge.setProperty(forms::gauge_dispid::bandColor, Value(static_cast<double>(greys[band])));
    }
}

void FormRanvikv5::Form_Unload(int& Cancel) {
    // 1. Refused while the plant runs or is stopping; nothing else changes.
    if (CmdLiga.caption() != m.TranslateText("Iniciar Processo")) {
        Cancel = 1;
        m.ShowOccurrence(m.TranslateText("Desligar primeiro a Usina..."));
        st.ws().beep();
        return;
    }
    m.RunTrapped(name(), "Form_unload", [this] {
        // 2.
        for (int address = 1; address <= 8; ++address) {
            link.WriteControllerByte(address, 0);
        }
        // 3.
        TimerX.setEnabled(false);
        link.CloseSerialPort();
    });
    // 4.
    m.CloseDatabases();
    st.ws().endProgram();
}

void FormRanvikv5::HScroll_Change() {
    m.RunTrapped(name(), "hscroll_change", [this] {
        // The rate never goes below 20 t/h.
        if (HScroll.value() < 20) {
            HScroll.setValue(20);
        }
        LblProd.setCaption(toText(Value(HScroll.value())));
        m.ProductionTarget = HScroll.value();
        m.RecordTick = toInt16(static_cast<double>(m.RecordPeriod) - 5);
    });
}

} // namespace usina
