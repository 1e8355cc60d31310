#pragma once
// The small modal dialog a printing window shows when the print fails: "Não há impressora disponível!".
// Its texts are not translated. OK closes the dialog and then the window that printed.

#include "core/station_form.h"
#include "platform/forms/command_button.h"
#include "platform/forms/label.h"

#include <functional>
#include <string>

namespace usina {

class NoPrinterDialog : public StationForm {
public:
    NoPrinterDialog(Station& station, std::string name, std::function<void()> unloadPrintingWindow);

    forms::Label Label1{*this, "Label1"};
    forms::CommandButton Command1{*this, "Command1"};

    void Command1_Click();

private:
    std::function<void()> unloadPrintingWindow_;
};

// One dialog for each printing window, each a window of its own.
class FormErro2 : public NoPrinterDialog {
public:
    explicit FormErro2(Station& station);
};
class FormErro3 : public NoPrinterDialog {
public:
    explicit FormErro3(Station& station);
};
class FormErro4 : public NoPrinterDialog {
public:
    explicit FormErro4(Station& station);
};
class FormErro5 : public NoPrinterDialog {
public:
    explicit FormErro5(Station& station);
};

} // namespace usina
