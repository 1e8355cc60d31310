#pragma once
// Every key that reaches a form's widgets goes to the model, which decides what it does; the widget
// never acts on it itself.

class QEvent;

namespace usina::forms {
class Form;
class WindowSystem;
} // namespace usina::forms

namespace usina::qt {

// Handles key presses, releases, shortcut overrides and input-method text; true when the event is
// used up (every key event but an Alt accelerator, which stays with the menu bar and the captions).
// The form may be gone when it returns.
bool forwardKeyEvent(forms::WindowSystem& ws, const forms::Form& form, QEvent& event);

} // namespace usina::qt
