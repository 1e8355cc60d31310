#pragma once
// The message box's style number (buttons plus icon) in Qt's terms, and the answer in the model's.

#include <QMessageBox>

namespace usina::qt {

QMessageBox::Icon messageBoxIcon(int style);
QMessageBox::StandardButtons messageBoxButtons(int style);
// The button Enter presses: the first of the row.
QMessageBox::StandardButton messageBoxDefaultButton(int style);
// The model's result code for the button pressed; NoButton (the box closed otherwise) counts as the
// box's way out: Cancel, No, or OK.
int messageBoxResult(QMessageBox::StandardButton pressed, int style);

} // namespace usina::qt
