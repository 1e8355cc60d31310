#include "forms_fixture.h"

#include "platform/forms/key_codes.h"

using ::testing::ElementsAre;

namespace usina::forms::testing {

TEST_F(FormsTest, ShowLoadsActivatesAndFocusesFirstInTabOrder) {
    a().Show();
    EXPECT_THAT(log.entries, ElementsAre("FormA.Load", "FormA.Activate", "Text1.GotFocus"));
    EXPECT_EQ(ws.focused(), &a().Text1);
}

TEST_F(FormsTest, FocusMoveRaisesLostFocusThenGotFocus) {
    a().Show();
    log.clear();
    EXPECT_TRUE(a().Text2.SetFocus());
    EXPECT_THAT(log.entries, ElementsAre("Text1.LostFocus", "Text2.GotFocus"));
}

TEST_F(FormsTest, LostFocusSendingFocusBackReplacesTheTargetAndGotFocusIsRaisedOnce) {
    a().Show();
    a().onLostFocus = [this](TextBox& box) {
        if (box.name() == "Text1") {
            box.SetFocus();
        }
    };
    log.clear();
    EXPECT_FALSE(a().Text2.SetFocus());
    EXPECT_THAT(log.entries, ElementsAre("Text1.LostFocus", "Text1.GotFocus"));
    EXPECT_EQ(ws.focused(), &a().Text1);
}

TEST_F(FormsTest, ControlThatCannotTakeFocusRaisesNothing) {
    a().Show();
    log.clear();
    a().Text2.setEnabled(false);
    EXPECT_FALSE(a().Text2.SetFocus());
    a().Text2.setEnabled(true);
    a().Text2.setVisible(false);
    EXPECT_FALSE(a().Text2.SetFocus());
    EXPECT_TRUE(log.entries.empty());
    EXPECT_EQ(ws.focused(), &a().Text1);
}

TEST_F(FormsTest, FocusOnTheControlThatHasItRaisesNothing) {
    a().Show();
    log.clear();
    EXPECT_FALSE(a().Text1.SetFocus());
    EXPECT_TRUE(log.entries.empty());
}

TEST_F(FormsTest, ClickOnButtonMovesFocusThenClicksEvenWhenLostFocusRedirects) {
    a().Show();
    a().onLostFocus = [](TextBox& box) { box.SetFocus(); };
    log.clear();
    ws.click(a().Command1);
    EXPECT_THAT(log.entries, ElementsAre("Text1.LostFocus", "Text1.GotFocus", "Command1.Click"));
}

TEST_F(FormsTest, FocusAcrossFormsActivatesTheOtherForm) {
    a().Show();
    b().Show();
    log.clear();
    a().Text2.SetFocus();
    EXPECT_THAT(log.entries, ElementsAre("B.Text1.LostFocus", "FormA.Activate", "Text2.GotFocus"));
    EXPECT_EQ(ws.activeForm(), &a());
}

TEST_F(FormsTest, HidingTheActiveFormReturnsFocusToThePreviousOne) {
    a().Show();
    a().Text2.SetFocus();
    b().Show();
    log.clear();
    b().Hide();
    EXPECT_THAT(log.entries, ElementsAre("FormA.Activate", "B.Text1.LostFocus", "Text2.GotFocus"));
}

TEST_F(FormsTest, TabFollowsTabOrderSkippingWhatCannotTakeFocusAndGivesNoKeyPress) {
    a().Show();
    a().Text2.setEnabled(false);
    log.clear();
    ws.pressKey(keys::tab);
    EXPECT_THAT(log.entries, ElementsAre("Text1.LostFocus", "Command1.GotFocus"));
    log.clear();
    ws.pressKey(keys::tab, keys::shiftMask);
    EXPECT_THAT(log.entries, ElementsAre("Command1.LostFocus", "Text1.GotFocus"));
}

} // namespace usina::forms::testing
