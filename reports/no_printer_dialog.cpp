#include "reports/no_printer_dialog.h"

#include "core/design.h"

namespace usina {

using design::captioned;

NoPrinterDialog::NoPrinterDialog(Station& station, std::string name, std::string printingWindow)
    : StationForm(station, std::move(name)), printingWindow_(std::move(printingWindow)) {
    setCaption("Ranvikv5013");
    setClientSize(260, 96);
    setBorderStyle(forms::BorderStyle::FixedDialog);
    captioned(Label1, nullptr, 12, 16, 236, 20, "Não há impressora disponível!");
    Label1.setAlignment(forms::Alignment::Center);
    Label1.setFont(design::boldFont());
    captioned(Command1, nullptr, 90, 52, 80, 28, "OK");
    Command1.Click = [this] { Command1_Click(); };
}

// The printing window is closed only when it is open: touching it would load it afresh.
void NoPrinterDialog::Command1_Click() {
    Unload();
    for (forms::Form* window : st.ws().loadedForms()) {
        if (window->name() == printingWindow_) {
            window->Unload();
            return;
        }
    }
}

} // namespace usina
