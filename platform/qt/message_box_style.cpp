#include "platform/qt/message_box_style.h"

#include "platform/forms/backend.h"

namespace usina::qt {

namespace msgbox = forms::msgbox;

namespace {

constexpr int buttonBits = 0x07;
constexpr int iconBits = 0x70;

} // namespace

QMessageBox::Icon messageBoxIcon(int style) {
    switch (style & iconBits) {
    case msgbox::critical:
        return QMessageBox::Critical;
    case msgbox::question:
        return QMessageBox::Question;
    case msgbox::exclamation:
        return QMessageBox::Warning;
    case msgbox::information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons messageBoxButtons(int style) {
    switch (style & buttonBits) {
    case msgbox::okCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case msgbox::yesNo:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::StandardButton messageBoxDefaultButton(int style) {
    return (style & buttonBits) == msgbox::yesNo ? QMessageBox::Yes : QMessageBox::Ok;
}

int messageBoxResult(QMessageBox::StandardButton pressed, int style) {
    switch (pressed) {
    case QMessageBox::Ok:
        return msgbox::ok;
    case QMessageBox::Cancel:
        return msgbox::cancel;
    case QMessageBox::Yes:
        return msgbox::yes;
    case QMessageBox::No:
        return msgbox::no;
    default:
        break;
    }
    switch (style & buttonBits) {
    case msgbox::okCancel:
        return msgbox::cancel;
    case msgbox::yesNo:
        return msgbox::no;
    default:
        return msgbox::ok;
    }
}

} // namespace usina::qt
