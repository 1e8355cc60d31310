// A message box's style number in Qt's buttons and icons, and its answer in the model's codes.

#include "platform/forms/backend.h"
#include "platform/qt/message_box_style.h"

#include <gtest/gtest.h>

namespace usina::qt {
namespace {

namespace msgbox = forms::msgbox;

TEST(MessageBoxStyle, ButtonsAndIconsOfTheStyle) {
    struct Case {
        int style;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {msgbox::okOnly, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::NoIcon},
        {msgbox::okCancel + msgbox::question, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok,
         QMessageBox::Question},
        {msgbox::yesNo + msgbox::exclamation, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
         QMessageBox::Warning},
        {msgbox::okOnly + msgbox::critical, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Critical},
        {msgbox::yesNo + msgbox::information, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
         QMessageBox::Information},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(messageBoxButtons(c.style), c.buttons) << "style " << c.style;
        EXPECT_EQ(messageBoxDefaultButton(c.style), c.defaultButton) << "style " << c.style;
        EXPECT_EQ(messageBoxIcon(c.style), c.icon) << "style " << c.style;
    }
}

TEST(MessageBoxStyle, AnswersInTheModelsCodes) {
    EXPECT_EQ(messageBoxResult(QMessageBox::Ok, msgbox::okCancel), msgbox::ok);
    EXPECT_EQ(messageBoxResult(QMessageBox::Cancel, msgbox::okCancel), msgbox::cancel);
    EXPECT_EQ(messageBoxResult(QMessageBox::Yes, msgbox::yesNo), msgbox::yes);
    EXPECT_EQ(messageBoxResult(QMessageBox::No, msgbox::yesNo), msgbox::no);
    // Closed without a button: the box's way out, never a yes.
    EXPECT_EQ(messageBoxResult(QMessageBox::NoButton, msgbox::yesNo + msgbox::question), msgbox::no);
    EXPECT_EQ(messageBoxResult(QMessageBox::NoButton, msgbox::okCancel), msgbox::cancel);
    EXPECT_EQ(messageBoxResult(QMessageBox::NoButton, msgbox::okOnly), msgbox::ok);
}

} // namespace
} // namespace usina::qt
