#include "reports/no_printer_dialog.h"

#include "core/design.h"
#include "reports/form_rel_materiais.h"
#include "reports/form_rel_placa.h"
#include "reports/form_rel_producao.h"
#include "reports/form_rel_temp.h"

namespace usina {

using design::captioned;

NoPrinterDialog::NoPrinterDialog(Station& station, std::string name,
                                 std::function<void()> unloadPrintingWindow)
    : StationForm(station, std::move(name)), unloadPrintingWindow_(std::move(unloadPrintingWindow)) {
    setCaption("Ranvikv5013");
    setClientSize(260, 92);
    setBorderStyle(forms::BorderStyle::FixedDialog);
    captioned(Label1, nullptr, 12, 16, 236, 20, "Não há impressora disponível!");
    Label1.setAlignment(forms::Alignment::Center);
    captioned(Command1, nullptr, 90, 52, 80, 26, "OK");
    Command1.Click = [this] { Command1_Click(); };
}

void NoPrinterDialog::Command1_Click() {
    Unload();
    unloadPrintingWindow_();
}

namespace {

// The printing window, if it is still loaded: unloading it must not load a fresh one.
template <class Window> std::function<void()> unloadOf(Station& station) {
    return [&station] {
        if (Window* window = station.ws().peek<Window>()) {
            window->Unload();
        }
    };
}

} // namespace

FormErro2::FormErro2(Station& station)
    : NoPrinterDialog(station, "FormErro2", unloadOf<FormRelPlaca>(station)) {}
FormErro3::FormErro3(Station& station)
    : NoPrinterDialog(station, "FormErro3", unloadOf<FormRelMateriais>(station)) {}
FormErro4::FormErro4(Station& station)
    : NoPrinterDialog(station, "FormErro4", unloadOf<FormRelProducao>(station)) {}
FormErro5::FormErro5(Station& station)
    : NoPrinterDialog(station, "FormErro5", unloadOf<FormRelTemp>(station)) {}

} // namespace usina
