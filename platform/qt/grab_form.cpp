#include "platform/qt/grab_form.h"

#include "platform/forms/form.h"
#include "platform/forms/window_system.h"
#include "platform/qt/qt_renderer.h"

#include <QLayout>
#include <QWidget>

namespace usina::qt {

QImage grabForm(forms::Form& form) {
    const auto* renderer = dynamic_cast<const QtRenderer*>(form.windowSystem().observer());
    QWidget* window = renderer != nullptr ? renderer->windowOf(form) : nullptr;
    if (window == nullptr) {
        return {};
    }
    // A window never shown has not been laid out yet.
    if (window->layout() != nullptr) {
        window->layout()->activate();
    }
    return window->grab().toImage();
}

} // namespace usina::qt
