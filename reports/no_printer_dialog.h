#pragma once
// The small dialog a printing window shows, modally, when its image could not be printed. Its texts
// are not translated. Its OK closes the dialog, then the window that printed.

#include "core/station_form.h"
#include "platform/forms/command_button.h"
#include "platform/forms/label.h"

#include <string>

namespace usina {

class NoPrinterDialog : public StationForm {
public:
    // `printingWindow`: the class name of the window the dialog closes.
    NoPrinterDialog(Station& station, std::string name, std::string printingWindow);

    void Command1_Click();

    forms::Label Label1{*this, "Label1"};
    forms::CommandButton Command1{*this, "Command1"};

private:
    std::string printingWindow_;
};

// One dialog for each printing report, each a window of its own (the ticket's is FormErro1).
class FormErro2 : public NoPrinterDialog {
public:
    explicit FormErro2(Station& station) : NoPrinterDialog(station, "FormErro2", "FormRelPlaca") {}
};
class FormErro3 : public NoPrinterDialog {
public:
    explicit FormErro3(Station& station) : NoPrinterDialog(station, "FormErro3", "FormRelMateriais") {}
};
class FormErro4 : public NoPrinterDialog {
public:
    explicit FormErro4(Station& station) : NoPrinterDialog(station, "FormErro4", "FormRelProducao") {}
};
class FormErro5 : public NoPrinterDialog {
public:
    explicit FormErro5(Station& station) : NoPrinterDialog(station, "FormErro5", "FormRelTemp") {}
};

} // namespace usina
