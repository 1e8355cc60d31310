// The language window's load, which decides the buttons, and its click, which stores the choice and
// closes the main window.

#include "setup/idioma.h"

#include "core/design.h"
#include "core/main_window_port.h"
#include "platform/value/conversions.h"

#include <array>

namespace usina {

namespace {

constexpr std::array<const char*, 6> columns{"portugues", "espanhol", "ingles",
                                             "italiano",  "frances",  "alemao"};
constexpr std::array<const char*, 6> captions{"Português", "Español",  "English",
                                              "Italiano",  "Français", "Deutche"};

} // namespace

const char* Idioma::languageColumn(int index) {
    return columns.at(static_cast<std::size_t>(index));
}

// Not translated: each button speaks its own language.
Idioma::Idioma(Station& station) : StationForm(station, "Idioma") {
    setCaption("Idioma");
    setClientSize(200, 6 * 36 + 12);
    setBorderStyle(forms::BorderStyle::FixedDialog);
    Command1.forEach([this](int index, forms::CommandButton& button) {
        design::captioned(button, nullptr, 24, 12 + index * 36, 152, 28,
                          captions.at(static_cast<std::size_t>(index)));
        button.Click = [this, index] { Command1_Click(index); };
    });
}

void Idioma::Form_Load() {
    Command1.forEach([](int, forms::CommandButton& button) { button.setEnabled(false); });
    enableOfferedLanguages();
    disableLanguageInUse();
}

// A language is offered when its column of the marker row holds the marker text exactly, its blank
// included. Without a marker row only Portuguese is offered.
void Idioma::enableOfferedLanguages() {
    db.LanguageRecordset.moveFirst();
    db.LanguageRecordset.seek(Value(markerText));
    if (db.LanguageRecordset.eof()) {
        Command1[0].setEnabled(true);
        return;
    }
    Command1.forEach([this](int index, forms::CommandButton& button) {
        const Value marker = db.LanguageRecordset.field(languageColumn(index));
        if (marker.isText() && marker.text() == markerText) {
            button.setEnabled(true);
        }
    });
}

// The language in use is never offered, whatever the marker row says.
void Idioma::disableLanguageInUse() {
    db.ConstantsRecordset.moveFirst();
    const Value inUse = db.ConstantsRecordset.field("idioma");
    Command1.forEach([&inUse](int index, forms::CommandButton& button) {
        if (inUse.isText() && inUse.text() == languageColumn(index)) {
            button.setEnabled(false);
        }
    });
}

// Closing the main window ends the program unless the plant runs; then this window closes itself and
// the stored choice waits for the next start.
void Idioma::Command1_Click(int Index) {
    db.ConstantsRecordset.moveFirst();
    db.ConstantsRecordset("idioma") = Value(languageColumn(Index));
    db.ConstantsRecordset.update();
    st.mainWindow().Unload();
    Unload();
}

} // namespace usina
