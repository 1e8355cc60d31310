#pragma once
// The image of a form's window as it is on screen now (menu bar and client area), for tests,
// screenshots and printing.

#include <QImage>

namespace usina::forms {
class Form;
}

namespace usina::qt {

// A null image when the form has no window (not loaded, or no Qt renderer observes its model). The
// focus mark is left out of a printed image.
QImage grabForm(forms::Form& form, bool withFocusMark = true);

} // namespace usina::qt
