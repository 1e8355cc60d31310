// The load ticket's load, which closes the load and stores the ticket, and its closing, which stores
// the plate and prints.

#include "reports/form_rel_carga.h"

#include "plant/form_ranvikv5.h"
#include "plant/masked_number.h"
#include "plant/polling_state.h"
#include "plant/production_records.h"
#include "platform/forms/needle_gauge_state.h"
#include "platform/value/conversions.h"
#include "platform/value/format_mask.h"
#include "platform/value/text.h"
#include "reports/form_erro1.h"
#include "reports/print_window.h"
#include "setup/form_config.h"

#include <string>

namespace usina {

namespace {

constexpr int channels = 5;
// A channel's name on the ticket: the first characters of its gauge's caption.
constexpr std::size_t channelNameLength = 7;

std::string numbered(const char* field, int i) {
    return field + std::to_string(i);
}

// A cell as the ticket stores it: two decimals. A limit box left holding no number (an edit on the
// constants screen not applied yet) stores what the limit check read of it, never failing the ticket.
double storedTemperature(const std::string& cell) {
    return maskedNumber(parseNumber(cell).value_or(valPrefix(cell)), "###.00");
}

bool endsInDigit(const std::string& text) {
    const std::string last = rightChars(text, 1);
    return last.size() == 1 && last[0] >= '0' && last[0] <= '9';
}

} // namespace

forms::ControlArray<forms::Label>& FormRelCarga::Row(int channel) {
    forms::ControlArray<forms::Label>* rows[] = {&Label25, &Label26, &Label27, &Label28, &Label29};
    if (channel < 1 || channel > channels) {
        throw RunTimeError(error_number::subscriptOutOfRange, "Subscrito fora do intervalo");
    }
    return *rows[channel - 1];
}

bool FormRelCarga::hasRow(int channel) const {
    return channel <= 3 || link.HasFiveTemperatures;
}

void FormRelCarga::Form_Load() {
    services.RunTrapped(name(), "Form_load", [this] {
        services.TranslateForm(*this);
        FormRanvikv5& main = st.form<FormRanvikv5>();
        fillHeader(main);
        computeStatistics(main);
        titleRows(main);
        fillRows();
        checkLimits();
        storeTicket();
        closeLoad();
    });
}

void FormRelCarga::fillHeader(FormRanvikv5& main) {
    issueDate_ = st.clock().today();
    issueTime_ = st.clock().timeOfDay();
    LblDataRelat.setCaption(toText(Value(issueDate_)));
    LblHora.setCaption(toText(Value(issueTime_)));
    LblNomeTraco.setCaption(main.DBCombomist.text());
    LblQuantMassa.setCaption(toText(Value(toDouble(Value(main.Txtprod_par.text())) * 1000)));
    LblLogin.setCaption(access.CurrentUserName);
}

// A sample in which every channel reads 0 is left out of the least and the greatest, yet counts in the
// mean's divisor. A load without samples takes each gauge as it shows now.
void FormRelCarga::computeStatistics(FormRanvikv5& main) {
    const PollingState& polling = st.group<PollingState>();
    for (int k = 1; k <= channels; ++k) {
        stats.LoadTempMin[k] = 1000;
        stats.LoadTempMax[k] = 0;
        stats.LoadTempSum[k] = 0;
    }
    for (int i = 1; i <= polling.TempSampleCount; ++i) {
        bool allZero = true;
        for (int k = 1; k <= channels; ++k) {
            allZero = allZero && polling.TempSamples[k][i] == 0;
        }
        if (allZero) {
            continue;
        }
        for (int k = 1; k <= channels; ++k) {
            const double s = polling.TempSamples[k][i];
            if (stats.LoadTempMin[k] > s) {
                stats.LoadTempMin[k] = s;
            }
            if (stats.LoadTempMax[k] < s) {
                stats.LoadTempMax[k] = s;
            }
            stats.LoadTempSum[k] += s;
        }
    }
    for (int k = 1; k <= channels; ++k) {
        if (polling.TempSampleCount == 0) {
            const double now = toDouble(main.GaugeTmp(k).property(forms::gauge_dispid::value));
            stats.LoadTempMin[k] = now;
            stats.LoadTempMax[k] = now;
            stats.LoadTempAvg[k] = now;
        } else {
            stats.LoadTempAvg[k] = stats.LoadTempSum[k] / polling.TempSampleCount;
        }
    }
}

void FormRelCarga::titleRows(FormRanvikv5& main) {
    for (int k = 1; k <= channels; ++k) {
        const Value caption = main.GaugeTmp(k).property(forms::gauge_dispid::caption);
        Label9[2 + k].setCaption(
            leftChars(caption.isNull() ? std::string() : toText(caption), channelNameLength));
    }
}

// Without five temperature inputs, rows 4 and 5 show 0 throughout.
void FormRelCarga::fillRows() {
    FormConfig& config = st.form<FormConfig>();
    for (int k = 1; k <= channels; ++k) {
        forms::ControlArray<forms::Label>& row = Row(k);
        if (hasRow(k)) {
            row[minColumn].setCaption(formatNumber(stats.LoadTempMin[k], "##0"));
            row[averageColumn].setCaption(formatNumber(stats.LoadTempAvg[k], "##0"));
            row[maxColumn].setCaption(formatNumber(stats.LoadTempMax[k], "##0"));
            row[lowerLimitColumn].setCaption(config.TextMinTemp[k].text());
            row[upperLimitColumn].setCaption(config.TextMaxTemp[k].text());
        } else {
            for (int column = minColumn; column <= upperLimitColumn; ++column) {
                row[column].setCaption(formatNumber(0, "##0"));
            }
        }
    }
}

// The least of each row, then the greatest, then the mean against the lower and then the upper limit.
// Every cell out of its limits turns red, and so does the status, which stays so.
void FormRelCarga::checkLimits() {
    for (int k = 1; k <= channels; ++k) {
        if (hasRow(k)) {
            judge(k, minColumn, true, true);
        }
    }
    for (int k = 1; k <= channels; ++k) {
        if (hasRow(k)) {
            judge(k, maxColumn, true, true);
        }
    }
    for (int k = 1; k <= channels; ++k) {
        if (hasRow(k)) {
            judge(k, averageColumn, true, false);
            judge(k, averageColumn, false, true);
        }
    }
}

// The cells are read as far as they read as a number with a point: a limit of 150,5 is judged as 150.
// A value equal to its limit is within it.
void FormRelCarga::judge(int channel, int column, bool againstLower, bool againstUpper) {
    forms::ControlArray<forms::Label>& row = Row(channel);
    const double value = valPrefix(row[column].caption());
    const bool outOfControl = (againstLower && value < valPrefix(row[lowerLimitColumn].caption())) ||
                              (againstUpper && value > valPrefix(row[upperLimitColumn].caption()));
    if (outOfControl) {
        row[column].setForeColor(forms::colors::red);
        LblStatus.setForeColor(forms::colors::red);
        LblStatus.setCaption(services.TranslateText("Fora do controle normal."));
    } else if (LblStatus.foreColor() != forms::colors::red) {
        LblStatus.setCaption(services.TranslateText(" N O R M A L "));
        LblStatus.setForeColor(forms::colors::buttonText);
    }
}

void FormRelCarga::storeTicket() {
    store::TableRecordset& rs = db.RelCargaRecordset;
    rs.addNew();
    rs("data_emissao") = Value(issueDate_);
    rs("hora_emissao") = Value(issueTime_);
    rs("nome_traco") = Value(LblNomeTraco.caption());
    rs("quant_carga") = Value(toInt32(Value(format(Value(LblQuantMassa.caption()), "#####0.00"))));
    rs("responsavel") =
        Value(trimBlanks(LblLogin.caption()).empty() ? std::string("NÃO ENCONTRADO!") : LblLogin.caption());
    for (int k = 1; k <= channels; ++k) {
        forms::ControlArray<forms::Label>& row = Row(k);
        rs(numbered("temp_traco", k)) = Value(storedTemperature(row[averageColumn].caption()));
        rs(numbered("Media", k)) = Value(maskedNumber(stats.LoadTempAvg[k], "###.00"));
        rs(numbered("Temp_Min", k)) = Value(storedTemperature(row[minColumn].caption()));
        rs(numbered("Temp_Max", k)) = Value(storedTemperature(row[maxColumn].caption()));
        rs(numbered("Lim_Min", k)) = Value(storedTemperature(row[lowerLimitColumn].caption()));
        rs(numbered("Lim_Max", k)) = Value(storedTemperature(row[upperLimitColumn].caption()));
    }
    for (int k = 1; k <= channels; ++k) {
        const std::string& title = Label9[2 + k].caption();
        rs(numbered("Material", k)) = Value(k > 3 && trimBlanks(title).empty() ? std::string("XXX") : title);
    }
    rs.update();
    rs.moveLast();
    ticketNumber_ = rs.field("codigo_cupom");
    LblNumCupom.setCaption(toText(*ticketNumber_));
}

// From here the next load counts from zero.
void FormRelCarga::closeLoad() {
    services.ShowOccurrence(services.TranslateText("Relatório de Cargas"));
    ProductionRecords& records = st.group<ProductionRecords>();
    records.WriteProductionRecord();
    records.ZeroPartials();
}

// ---- closing ------------------------------------------------------------------------------------

// With the error trap armed, any fault of the handler ends as a printing fault does.
void FormRelCarga::CmdOk_Click() {
    if (services.ErrorTrapEnabled != 1) {
        confirm();
        return;
    }
    try {
        confirm();
    } catch (const RunTimeError&) {
        printErrorHandler();
    }
}

void FormRelCarga::confirm() {
    storePlate();
    if (ChkImprimir.value() == 1 && !printWindowImage(*this, CmdOk, ChkImprimir)) {
        printErrorHandler();
        return;
    }
    Unload();
}

// The ticket stays open behind the dialog, whose OK closes both.
void FormRelCarga::printErrorHandler() {
    CmdOk.setVisible(true);
    st.form<FormErro1>().ShowModal();
}

void FormRelCarga::Form_Unload(int& Cancel) {
    (void)Cancel;
    services.RunTrapped(name(), "FormUnload", [this] { storePlate(); });
}

// The box's text as shown, the literal and the prompts of positions not typed included: a whole
// plate, "ABC-1234", fills the eight places; one whose last place was not typed is no plate.
// The ticket's row is found again by its number, so no other row ever takes the plate, and a ticket
// whose row was never stored stores nothing.
void FormRelCarga::storePlate() {
    if (!ticketNumber_) {
        return;
    }
    const std::string text = MaskEdBox1.text();
    const std::string placa = endsInDigit(text) ? formatText(text, "@@@@@@@@") : std::string("s/placa");
    store::TableRecordset& rs = db.RelCargaRecordset;
    rs.seek(*ticketNumber_);
    if (rs.eof()) {
        return;
    }
    rs("placa") = Value(placa);
    rs.update();
}

} // namespace usina
