#pragma once
// How a ticket or a report prints itself: the window's image on the default printer, with its OK
// button and its print control out of the picture.

namespace usina::forms {
class Control;
class Form;
} // namespace usina::forms

namespace usina {

// Hides `okButton`, then `printControl`, prints the window's image and shows both again: true. Any
// fault of the printing (no default printer, one that refuses the job) is trapped whatever the error
// trap's switch says: false then, with both still hidden, for the window's print-error handler (which
// shows the OK button again and its no-printer dialog). The window's row is saved before.
bool printWindowImage(forms::Form& window, forms::Control& okButton, forms::Control& printControl);

} // namespace usina
