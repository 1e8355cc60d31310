#include "platform/qt/key_forwarding.h"

#include "platform/forms/window_system.h"
#include "platform/qt/key_strokes.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace usina::qt {

namespace {

bool isAccelerator(const QKeyEvent& key) {
    const Qt::KeyboardModifiers m = key.modifiers();
    return m.testFlag(Qt::AltModifier) && !m.testFlag(Qt::ControlModifier);
}

} // namespace

bool forwardKeyEvent(forms::WindowSystem& ws, const forms::Form& form, QEvent& event) {
    switch (event.type()) {
    case QEvent::ShortcutOverride: {
        auto& key = static_cast<QKeyEvent&>(event);
        if (isAccelerator(key) && ws.acceptsInput(form)) {
            return false;
        }
        // Accepted, the key comes as a key press (Ctrl+letter menu shortcuts run in the model, once).
        key.accept();
        return true;
    }
    case QEvent::KeyPress: {
        if (!ws.acceptsInput(form)) {
            return true;
        }
        if (const auto stroke = keyStrokeOf(static_cast<QKeyEvent&>(event))) {
            ws.pressKey(stroke->keyCode, stroke->shift, stroke->character);
        }
        return true;
    }
    case QEvent::KeyRelease:
        return true;
    case QEvent::InputMethod: {
        if (!ws.acceptsInput(form)) {
            return true;
        }
        for (const char32_t codePoint : static_cast<QInputMethodEvent&>(event).commitString().toUcs4()) {
            const KeyStroke stroke = keyStrokeOfCharacter(codePoint);
            ws.pressKey(stroke.keyCode, stroke.shift, stroke.character);
        }
        return true;
    }
    default:
        return false;
    }
}

} // namespace usina::qt
