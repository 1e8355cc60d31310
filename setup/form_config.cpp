// The constants screen's load, activation and unload, and its key filters.

#include "setup/form_config.h"

#include "core/main_window_port.h"
#include "platform/forms/list_control.h"
#include "platform/value/conversions.h"
#include "platform/value/format_mask.h"
#include "platform/value/text.h"

namespace usina {

namespace {

std::string numbered(const char* phrase, int i) {
    return std::string(phrase) + std::to_string(i);
}

// A field's value as a box shows it without a format; an empty field leaves the box empty.
std::string plainText(const Value& v) {
    return v.isNull() ? std::string() : toText(v);
}

// A stored output flag as a check box's value: anything but 0 (or an empty field) ticks it.
int tickedIf(const Value& v) {
    return isNumeric(v) && !v.isEmpty() && toDouble(v) != 0 ? 1 : 0;
}

} // namespace

const std::array<FormConfig::GaugeBox, 7> FormConfig::gaugeBoxes{{
    {"escala ", &FormConfig::Txtescala, &FormConfig::Lblescala, BandEnd::Scale},
    {"inicio verd ", &FormConfig::TxtInicVerd, &FormConfig::LblVerde, BandEnd::Start},
    {"fim verd ", &FormConfig::TxtFimVerd, &FormConfig::LblVerde, BandEnd::End},
    {"inicio amar ", &FormConfig::TxtInicAmar, &FormConfig::LblAmarelo, BandEnd::Start},
    {"fim amar ", &FormConfig::TxtFimAmar, &FormConfig::LblAmarelo, BandEnd::End},
    {"inicio verm ", &FormConfig::TxtInicVerm, &FormConfig::LblVermelho, BandEnd::Start},
    {"fim verm ", &FormConfig::TxtFimVerm, &FormConfig::LblVermelho, BandEnd::End},
}};

void FormConfig::wireHandlers() {
    CmdAplicar.Click = [this] { CmdAplicar_Click(); };
    TxtMed.forEach([this](int k, forms::TextBox& box) {
        box.GotFocus = [this, k] { TxtMed_GotFocus(k); };
        box.KeyPress = [this, k](int& KeyAscii) { TxtMed_KeyPress(k, KeyAscii); };
    });
    auto numeric = [this](forms::TextBox& box) { box.KeyPress = [this](int& k) { numericKeyPress(k); }; };
    auto signedNumeric = [this](forms::TextBox& box) {
        box.KeyPress = [this](int& k) { signedKeyPress(k); };
    };
    for (forms::TextBox* box : {&Textasf, &Textfil, &Txtfibra, &txtmalteno, &Txttempo, &Txttonhmax}) {
        numeric(*box);
    }
    for (int i = 1; i <= 5; ++i) {
        for (forms::TextBox* box : {&Txtpes[i], &Txtvel[i], &TextTk[i], &TextMinTemp[i], &TextMaxTemp[i]}) {
            numeric(*box);
        }
        for (const GaugeBox& g : gaugeBoxes) {
            numeric((this->*g.boxes)[i]);
        }
        signedNumeric(TextT0[i]);
        signedNumeric(Txttara[i]);
    }
}

// Digits, the comma, Enter and Backspace; anything else is refused with a message and a beep.
void FormConfig::numericKeyPress(int& KeyAscii) {
    services.NumericKeyFilter(KeyAscii);
}

// Offsets and tares may be negative: the minus sign passes, anywhere in the text.
void FormConfig::signedKeyPress(int& KeyAscii) {
    constexpr int minusSign = 45;
    if (KeyAscii != minusSign) {
        services.NumericKeyFilter(KeyAscii);
    }
}

// The averaging counts take digits only, without a word.
void FormConfig::TxtMed_KeyPress(int Index, int& KeyAscii) {
    (void)Index;
    if (!services.IsDigitKey(KeyAscii)) {
        KeyAscii = 0;
    }
}

// The digit is selected, so the next one typed replaces it.
void FormConfig::TxtMed_GotFocus(int Index) {
    forms::TextBox& box = TxtMed[Index];
    box.select(0, static_cast<int>(charCount(trimBlanks(box.text()))));
}

void FormConfig::Form_Load() {
    services.TranslateForm(*this);
    showCalibration();
    showPumpOutputs();
    showGaugeBands();
    showStoredTexts();
    showAveragingCounts();
    // The same words in every language.
    LblMed.forEach([](int, forms::Label& label) { label.setCaption("Média por"); });
}

void FormConfig::showCalibration() {
    db.ConstantsRecordset.moveFirst();
    const auto& row = db.ConstantsRecordset;
    for (int i = 1; i <= 5; ++i) {
        Txttara[i].setText(format(row.field(numbered("tara", i)), "##0"));
        Txtvel[i].setText(format(row.field(numbered("kvel", i)), "#0.00"));
        Txtpes[i].setText(format(row.field(numbered("kpes", i)), "#0.00"));
    }
}

void FormConfig::showPumpOutputs() {
    Chkmal.setValue(tickedIf(db.ConstantsRecordset.field("saidamal")));
    Chkfibra.setValue(tickedIf(db.ConstantsRecordset.field("saidafb")));
}

void FormConfig::showGaugeBands() {
    db.GaugesRecordset.moveFirst();
    for (int i = 1; i <= 5; ++i) {
        for (const GaugeBox& g : gaugeBoxes) {
            (this->*g.boxes)[i].setText(format(db.GaugesRecordset.field(numbered(g.phrase, i)), "##0"));
        }
    }
}

void FormConfig::showStoredTexts() {
    const auto& row = db.ConstantsRecordset;
    for (int i = 1; i <= 5; ++i) {
        txt_tn[i].setText(plainText(row.field(numbered("nomet", i))));
    }
    for (int i = 1; i <= 5; ++i) {
        TextT0[i].setText(plainText(row.field(numbered("0t", i))));
    }
    for (int i = 1; i <= 5; ++i) {
        TextTk[i].setText(plainText(row.field(numbered("kt", i))));
    }
    for (int i = 1; i <= 5; ++i) {
        TextMinTemp[i].setText(plainText(row.field(numbered("mint", i))));
        TextMaxTemp[i].setText(plainText(row.field(numbered("maxt", i))));
    }
    Txttonhmax.setText(plainText(row.field("prodmax")));
    Txttempo.setText(plainText(row.field("tgrav")));
    Textasf.setText(plainText(row.field("kasf")));
    Textfil.setText(plainText(row.field("kfill")));
    Txtfibra.setText(plainText(row.field("kfibra")));
    txtmalteno.setText(plainText(row.field("kmalt")));
}

// The counts in force, which may differ from the settings file's.
void FormConfig::showAveragingCounts() {
    for (int k = 0; k <= 4; ++k) {
        TxtMed[k].setText(std::to_string(settings.SiloAverageCount[k + 1]));
    }
}

void FormConfig::Form_Activate() {
    lockStart();
    enableExtraTemperatureRows(link.HasFiveTemperatures);
}

// Every activation locks the start again; only the unload frees it.
void FormConfig::lockStart() {
    if (settings.LockStartDuringConfig) {
        st.mainWindow().CmdLiga().setEnabled(false);
    }
}

// Channels 4 and 5 exist only on a controller with five temperature inputs; otherwise their rows are
// greyed but still show what is stored.
void FormConfig::enableExtraTemperatureRows(bool enabled) {
    const forms::Color look = enabled ? forms::colors::windowBackground : forms::colors::buttonFace;
    for (auto* row : {&txt_tn, &TextT0, &TextTk, &TextMinTemp, &TextMaxTemp}) {
        for (int j = 4; j <= 5; ++j) {
            (*row)[j].setEnabled(enabled);
        }
        for (int j = 4; j <= 5; ++j) {
            (*row)[j].setBackColor(look);
        }
    }
}

// Applied or not, leaving the screen logs the user out and makes the main window reload the mix and
// the constants.
void FormConfig::Form_Unload(int& Cancel) {
    (void)Cancel;
    access.UserLevel = "0";
    st.ws().setFocusOrRun(st.mainWindow().DBCombomist());
    if (settings.LockStartDuringConfig) {
        st.mainWindow().CmdLiga().setEnabled(true);
    }
}

} // namespace usina
