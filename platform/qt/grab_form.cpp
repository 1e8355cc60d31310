#include "platform/qt/grab_form.h"

#include "platform/forms/form.h"
#include "platform/forms/window_system.h"
#include "platform/qt/form_window.h"
#include "platform/qt/qt_renderer.h"

namespace usina::qt {

QImage grabForm(forms::Form& form, bool withFocusMark) {
    const auto* renderer = dynamic_cast<const QtRenderer*>(form.windowSystem().observer());
    auto* window = renderer != nullptr ? dynamic_cast<FormWindow*>(renderer->windowOf(form)) : nullptr;
    return window != nullptr ? window->grabImage(withFocusMark) : QImage();
}

} // namespace usina::qt
