#include "reports/print_window.h"

#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/forms/window_system.h"

#include <exception>

namespace usina {

bool printWindowImage(forms::Form& window, forms::Control& okButton, forms::Control& printControl) {
    okButton.setVisible(false);
    printControl.setVisible(false);
    try {
        window.windowSystem().printForm(window);
    } catch (const std::exception&) {
        return false;
    }
    okButton.setVisible(true);
    printControl.setVisible(true);
    return true;
}

} // namespace usina
