#pragma once
// The language choice: one button per language the table of interface texts offers, never the one in
// use. The choice is stored and the program ends, so the next start shows it; while the plant runs the
// main window refuses to close and the choice waits for the next start all the same.

#include "core/station_form.h"
#include "platform/forms/command_button.h"
#include "platform/forms/control_array.h"

namespace usina {

class Idioma : public StationForm {
public:
    explicit Idioma(Station& station);

    void Form_Load() override;
    void Command1_Click(int Index);

    // Each button names its language in that language; its index gives the language's column.
    forms::ControlArray<forms::CommandButton> Command1{*this, "Command1", 0, 5};

    // The column of the table of interface texts, and the stored value, of each button.
    static const char* languageColumn(int index);
    // The text a language's column holds in the marker row when the table offers that language.
    static constexpr const char* markerText = " 00h00m00s";

private:
    void enableOfferedLanguages();
    void disableLanguageInUse();
};

} // namespace usina
