// Applying the constants: what was typed is checked, then stored (the averaging counts in memory and
// in the settings file, the constants and gauges rows), the main window's gauges are re-banded and its
// rate bar gets the new maximum; the screen then closes.

#include "core/main_window_port.h"
#include "platform/forms/label.h"
#include "platform/forms/needle_gauge.h"
#include "platform/forms/scroll_bar.h"
#include "platform/value/conversions.h"
#include "platform/value/text.h"
#include "setup/form_config.h"
#include "setup/lowest_rate.h"

#include <cmath>
#include <functional>
#include <vector>

namespace usina {

namespace {

std::string numbered(const char* phrase, int i) {
    return std::string(phrase) + std::to_string(i);
}

// Below this a pump command would grow without bound.
constexpr double minimumPumpConstant = 0.1;

// Both extra pumps need a controller with ten outputs: it answers 37 to the first read of its model
// code or 38 to the second.
constexpr int tenOutputsFirstAnswer = 37;
constexpr int tenOutputsSecondAnswer = 38;

bool fitsInt16(double number) {
    const double whole = std::nearbyint(number);
    return whole >= -32768 && whole <= 32767;
}

// A caption as a message names it: without the blanks and the colon that end it on the screen.
std::string bare(const std::string& caption) {
    std::string text = trimBlanks(caption);
    while (!text.empty() && (text.back() == ':' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

void setBand(forms::NeedleGauge& gauge, int band, const Value& start, const Value& end) {
    gauge.setProperty(forms::gauge_dispid::bandIndex, Value(band));
    gauge.setProperty(forms::gauge_dispid::bandStart, start);
    gauge.setProperty(forms::gauge_dispid::bandEnd, end);
}

// What a box that is stored or shown on a gauge must hold, beyond being there.
enum class Holds {
    Number,
    // The tare is kept as it was when the box holds no number; a number must fit the 16-bit tare.
    TareIfNumber,
    // Minutes; the record counter counts seconds in 16 bits.
    RecordingMinutes,
    // The rate bar's maximum, a 16-bit whole number.
    WholeRate,
};

struct BoxRule {
    const forms::TextBox& box;
    Holds holds;
    std::function<std::string()> place;
};

bool satisfies(const BoxRule& rule) {
    const std::optional<double> number = parseNumber(rule.box.text());
    switch (rule.holds) {
    case Holds::Number:
        return number.has_value();
    case Holds::TareIfNumber:
        return !number || fitsInt16(*number);
    case Holds::RecordingMinutes:
        return number && fitsInt16(*number * 60);
    case Holds::WholeRate:
        return number && fitsInt16(*number);
    }
    return false;
}

} // namespace

void FormConfig::CmdAplicar_Click() {
    services.RunTrapped(name(), "CmdAplicar", [this] {
        if (!pumpConstantsPresent() || !otherBoxesPresent() || !controllerServesBothPumps() ||
            !raisePumpConstantsToMinimum()) {
            return;
        }
        const std::optional<AveragingCounts> counts = averagingCountsInRange();
        if (!counts || !storedBoxesHoldNumbers() || !rateMaximumReachesTheLowestRate()) {
            return;
        }
        storeAveragingCounts(*counts);
        writeAveragingCountsToSettings(*counts);
        storeConstants();
        storeGaugeBands();
        rebandBeltGauges();
        rebandTemperatureGauges();
        applyRateMaximum();
        services.ShowOccurrence(services.TranslateText("Dados alterados!"));
        Unload();
    });
}

bool FormConfig::pumpConstantsPresent() {
    if (Textasf.text().empty() || Textfil.text().empty()) {
        services.ShowOccurrence(services.TranslateText("Não deixe nenhum campo em branco!"));
        return false;
    }
    return true;
}

// Empty is no characters at all: a blank is there.
bool FormConfig::otherBoxesPresent() {
    for (int i = 1; i <= 5; ++i) {
        for (const forms::TextBox* box : {&Txttonhmax, &Txtccarga[i], &Txttara[i], &Txtvel[i], &Txtpes[i],
                                          &TextT0[i], &TextMinTemp[i], &TextMaxTemp[i]}) {
            if (box->text().empty()) {
                services.ShowOccurrence(services.TranslateText("Não deixe nenhum campo em branco!"));
                return false;
            }
        }
    }
    return true;
}

// Two separate reads, each waiting its whole time-out; an unanswered one counts as 0 and has put its own
// message on the line first.
bool FormConfig::controllerServesBothPumps() {
    if (Chkmal.value() != 1 || Chkfibra.value() != 1) {
        return true;
    }
    const int a = link.ReadControllerByte(0, ReadWait::fullTimeOut);
    const int b = link.ReadControllerByte(0, ReadWait::fullTimeOut);
    if (a != tenOutputsFirstAnswer && b != tenOutputsSecondAnswer) {
        services.ShowOccurrence(services.TranslateText("Erro...Precisa Ostrel/Pellum de 10 saídas"));
        return false;
    }
    return true;
}

// A constant below the minimum is raised to it, with a message, and the apply goes on.
bool FormConfig::raisePumpConstantsToMinimum() {
    if (!isNumeric(Textasf.text())) {
        refuseBox(bare(FrmBomb.caption()) + " - " + bare(Lblkasf.caption()));
        return false;
    }
    if (!isNumeric(Textfil.text())) {
        refuseBox(bare(FrmBomb.caption()) + " - " + bare(Lblkfil[0].caption()));
        return false;
    }
    if (*parseNumber(Textasf.text()) < minimumPumpConstant) {
        services.ShowOccurrence(services.TranslateText("Constante do Alfalto muito Baixa"));
        Textasf.setText(generalNumber(minimumPumpConstant));
    }
    if (*parseNumber(Textfil.text()) < minimumPumpConstant) {
        services.ShowOccurrence(services.TranslateText("Constante do filler muito Baixa"));
        Textfil.setText(generalNumber(minimumPumpConstant));
    }
    return true;
}

// Each count must be a whole number 1 to 9 (the nearest, a half to the even neighbour); the first box
// that is not gets a message box and the focus.
std::optional<FormConfig::AveragingCounts> FormConfig::averagingCountsInRange() {
    AveragingCounts counts;
    for (int k = 0; k <= 4; ++k) {
        const std::string t = trimBlanks(TxtMed[k].text());
        const std::optional<double> number = parseNumber(t);
        const double whole = number ? std::nearbyint(*number) : 0;
        const char* refusal = nullptr;
        if (!number) {
            refusal = "Você deve informar um número válido para o valor da média";
        } else if (whole > 9 || whole < 1) {
            refusal = "Você deve informar um valor de média que esteja entre 1 e 9";
        }
        if (refusal != nullptr) {
            st.ws().msgBox(refusal, forms::msgbox::okOnly | forms::msgbox::information, Station::appTitle);
            TxtMed[k].SetFocus();
            return std::nullopt;
        }
        counts.text[static_cast<std::size_t>(k)] = t;
        counts.count[static_cast<std::size_t>(k)] = toInt16(whole);
    }
    return counts;
}

// Every box that is stored as a number or given to a gauge is checked before anything is written, so
// that no row is written in part and no gauge is left half re-banded. The first that fails is named.
bool FormConfig::storedBoxesHoldNumbers() {
    std::vector<BoxRule> rules;
    auto inSilo = [this](int i, const forms::Label& label) {
        return [this, i, &label] { return bare(FrameInf[i].caption()) + " - " + bare(label.caption()); };
    };
    auto inFrame = [](const forms::Frame& frame, const forms::Label& label) {
        return [&frame, &label] { return bare(frame.caption()) + " - " + bare(label.caption()); };
    };
    auto inChannel = [this](int j, const forms::Label& column) {
        return [this, j, &column] { return temperaturePlace(j, column); };
    };
    for (int i = 1; i <= 5; ++i) {
        rules.push_back({Txttara[i], Holds::TareIfNumber, inSilo(i, LblTara[i])});
        rules.push_back({Txtvel[i], Holds::Number, inSilo(i, Labelkvel[i])});
        rules.push_back({Txtpes[i], Holds::Number, inSilo(i, Labelkpes[i])});
    }
    for (int j = 1; j <= 5; ++j) {
        rules.push_back({TextTk[j], Holds::Number, inChannel(j, Label2)});
    }
    for (int j = 1; j <= 5; ++j) {
        rules.push_back({TextMinTemp[j], Holds::Number, inChannel(j, Lbltempo[2])});
        rules.push_back({TextMaxTemp[j], Holds::Number, inChannel(j, Lbltempo[3])});
    }
    rules.push_back({Txttonhmax, Holds::WholeRate, [this] { return rateMaximumPlace(); }});
    rules.push_back({Txttempo, Holds::RecordingMinutes, inFrame(FrmTempo, Lbltempo[0])});
    rules.push_back({Txtfibra, Holds::Number, inFrame(FrmBomb, Lblkfil[1])});
    rules.push_back({txtmalteno, Holds::Number, inFrame(FrmBomb, Lblkfil[2])});
    for (int i = 1; i <= 5; ++i) {
        for (const GaugeBox& g : gaugeBoxes) {
            const forms::Label& caption = (this->*g.caption)[i];
            std::function<std::string()> where = inSilo(i, caption);
            if (g.end != BandEnd::Scale) {
                where = [this, i, &caption, start = g.end == BandEnd::Start] {
                    return bandPlace(i, caption, start);
                };
            }
            rules.push_back({(this->*g.boxes)[i], Holds::Number, where});
        }
    }
    for (const BoxRule& rule : rules) {
        if (!satisfies(rule)) {
            refuseBox(rule.place());
            return false;
        }
    }
    return true;
}

// Below the lowest rate the rate bar would pass its own maximum, and no mix could be given a rate.
bool FormConfig::rateMaximumReachesTheLowestRate() {
    if (*parseNumber(Txttonhmax.text()) < lowestRate) {
        refuseBox(rateMaximumPlace(), "Valor abaixo de 20 t/h:");
        return false;
    }
    return true;
}

void FormConfig::refuseBox(const std::string& place, const char* reason) {
    services.ShowOccurrence(services.TranslateText(reason) + " " + place);
}

std::string FormConfig::rateMaximumPlace() const {
    return bare(Tonhmax.caption()) + " - " + bare(Labeltonhmax.caption());
}

std::string FormConfig::bandPlace(int i, const forms::Label& colour, bool start) const {
    return bare(FrameInf[i].caption()) + " - " + bare(colour.caption()) + " - " +
           services.TranslateText(start ? "inicial" : "final");
}

// A channel is named as its row is; a row without a name by its number.
std::string FormConfig::temperaturePlace(int j, const forms::Label& column) const {
    std::string channel = trimBlanks(txt_tn[j].text());
    if (channel.empty()) {
        channel = std::to_string(j);
    }
    return bare(FrmTemp.caption()) + " - " + channel + " - " + bare(column.caption());
}

// The polling cycle reads with the new counts from its next reading on.
void FormConfig::storeAveragingCounts(const AveragingCounts& counts) {
    for (int k = 0; k <= 4; ++k) {
        settings.SiloAverageCount[k + 1] = counts.count[static_cast<std::size_t>(k)];
    }
}

void FormConfig::writeAveragingCountsToSettings(const AveragingCounts& counts) {
    for (int k = 0; k <= 4; ++k) {
        settings.WriteIniValue(settings.SettingsFileName(), "Configuracoes", numbered("MediaSilo", k + 1),
                               counts.text[static_cast<std::size_t>(k)]);
    }
}

// The texts as typed; the store converts them to the fields' types. A tare or an offset that is no
// number leaves the stored value as it was.
void FormConfig::storeConstants() {
    auto& row = db.ConstantsRecordset;
    row.moveFirst();
    for (int i = 1; i <= 5; ++i) {
        if (const std::optional<double> tare = parseNumber(Txttara[i].text())) {
            row(numbered("tara", i)) = Value(*tare);
        }
        row(numbered("kvel", i)) = Value(*parseNumber(Txtvel[i].text()));
        row(numbered("kpes", i)) = Value(*parseNumber(Txtpes[i].text()));
    }
    for (int i = 1; i <= 5; ++i) {
        row(numbered("nomet", i)) = Value(txt_tn[i].text());
    }
    for (int i = 1; i <= 5; ++i) {
        if (isNumeric(TextT0[i].text())) {
            row(numbered("0t", i)) = Value(TextT0[i].text());
        }
    }
    for (int i = 1; i <= 5; ++i) {
        row(numbered("kt", i)) = Value(TextTk[i].text());
    }
    for (int i = 1; i <= 5; ++i) {
        row(numbered("mint", i)) = Value(TextMinTemp[i].text());
        row(numbered("maxt", i)) = Value(TextMaxTemp[i].text());
    }
    row("prodmax") = Value(Txttonhmax.text());
    row("tgrav") = Value(Txttempo.text());
    row("kasf") = Value(Textasf.text());
    row("kfill") = Value(Textfil.text());
    row("kfibra") = Value(Txtfibra.text());
    row("kmalt") = Value(txtmalteno.text());
    row("saidafb") = Value(Chkfibra.value());
    row("saidamal") = Value(Chkmal.value());
    row.update();
}

void FormConfig::storeGaugeBands() {
    auto& row = db.GaugesRecordset;
    row.moveFirst();
    for (int i = 1; i <= 5; ++i) {
        for (const GaugeBox& g : gaugeBoxes) {
            row(numbered(g.phrase, i)) = Value((this->*g.boxes)[i].text());
        }
    }
    row.update();
}

// Full scale, then the red, yellow and green bands, as the boxes' texts.
void FormConfig::rebandBeltGauges() {
    MainWindowPort& main = st.mainWindow();
    for (int i = 1; i <= 5; ++i) {
        forms::NeedleGauge& gauge = main.Gauge(i);
        gauge.setProperty(forms::gauge_dispid::fullScale, Value(Txtescala[i].text()));
        setBand(gauge, 0, Value(TxtInicVerm[i].text()), Value(TxtFimVerm[i].text()));
        setBand(gauge, 1, Value(TxtInicAmar[i].text()), Value(TxtFimAmar[i].text()));
        setBand(gauge, 2, Value(TxtInicVerd[i].text()), Value(TxtFimVerd[i].text()));
    }
}

// Above the upper limit, below the lower one, and between; on all five, whatever the controller has.
void FormConfig::rebandTemperatureGauges() {
    MainWindowPort& main = st.mainWindow();
    for (int j = 1; j <= 5; ++j) {
        forms::NeedleGauge& gauge = main.GaugeTmp(j);
        setBand(gauge, 2, Value(TextMaxTemp[j].text()), Value(255));
        setBand(gauge, 0, Value(0), Value(TextMinTemp[j].text()));
        setBand(gauge, 1, Value(TextMinTemp[j].text()), Value(TextMaxTemp[j].text()));
    }
}

void FormConfig::applyRateMaximum() {
    MainWindowPort& main = st.mainWindow();
    main.Lblmax().setCaption(Txttonhmax.text());
    main.HScroll().setMax(toInt16(Value(Txttonhmax.text())));
}

} // namespace usina
