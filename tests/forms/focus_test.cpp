#include "forms_fixture.h"

#include "platform/forms/key_codes.h"
#include "platform/value/run_time_error.h"

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

// Hiding a window, showing one and moving the focus across windows keep one order: the old
// control's LostFocus, then the new window's Form_Activate, then the new control's GotFocus.
TEST_F(FormsTest, HidingOrShowingAWindowMovesTheFocusInTheOrderOfEveryMove) {
    a().Show();
    a().Text2.SetFocus();
    b();
    log.clear();
    b().Show();
    EXPECT_THAT(log.entries, ElementsAre("Text2.LostFocus", "FormB.Activate", "B.Text1.GotFocus"));
    log.clear();
    b().Hide();
    EXPECT_THAT(log.entries, ElementsAre("B.Text1.LostFocus", "FormA.Activate", "Text2.GotFocus"));
}

TEST_F(FormsTest, FormActivateSettingTheFocusRedirectsTheMoveAndGotFocusIsRaisedOnce) {
    a().Show();
    a().Text2.SetFocus();
    b().CmdOk.GotFocus = [this] { log.add("B.CmdOk.GotFocus"); };
    b().onActivate = [this] { b().CmdOk.SetFocus(); };
    log.clear();
    b().Show();
    EXPECT_THAT(log.entries, ElementsAre("Text2.LostFocus", "FormB.Activate", "B.CmdOk.GotFocus"));
}

TEST_F(FormsTest, HidingTheLastWindowTakesTheFocusAway) {
    a().Show();
    log.clear();
    a().Hide();
    EXPECT_THAT(log.entries, ElementsAre("Text1.LostFocus"));
    EXPECT_EQ(ws.focused(), nullptr);
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

// The reload that hangs on a focus move runs once, whether the focus can move there or not.
TEST_F(FormsTest, FocusOrRunRunsTheWorkOnceWhereverTheFocusEnds) {
    const struct {
        const char* name;
        std::function<void(FormA&)> arrange;
        bool moves;
        bool holdsAfter;
    } cases[] = {
        {"movable", [](FormA&) {}, true, true},
        {"hidden", [](FormA& f) { f.Text2.setVisible(false); }, false, false},
        {"disabled", [](FormA& f) { f.Text2.setEnabled(false); }, false, false},
        {"window out of use", [](FormA& f) { f.setEnabled(false); }, false, false},
        {"window hidden", [](FormA& f) { f.Hide(); }, false, false},
        {"focused already", [](FormA& f) { f.Text2.SetFocus(); }, false, true},
        {"sent elsewhere on the way",
         [](FormA& f) { f.onLostFocus = [&f](TextBox&) { f.Text1.SetFocus(); }; }, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        a().Show();
        a().Text1.SetFocus();
        c.arrange(a());
        int reloads = 0;
        a().Text2.GotFocus = [&] { ++reloads; };
        EXPECT_EQ(ws.setFocusOrRun(a().Text2), c.moves);
        EXPECT_EQ(reloads, 1);
        EXPECT_EQ(a().Text2.hasFocus(), c.holdsAfter);
        a().Unload();
    }
}

TEST_F(FormsTest, FocusOrRunRunsTheGivenWorkAsTheControlsGotFocus) {
    a().Show();
    a().Text2.setEnabled(false);
    a().Text2.GotFocus = [] { throw RunTimeError(error_number::typeMismatch, "Type mismatch"); };
    ws.raise("FormA", "mnuOpen_Click", [this] {
        ws.setFocusOrRun(a().Text2, [] { throw RunTimeError(error_number::overflow, "Overflow"); });
    });
    EXPECT_THAT(errors, ElementsAre("FormA.Text2_GotFocus: Overflow"));
}

TEST_F(FormsTest, SettingATabIndexShiftsTheOthersAndKeepsTheIndicesUnique) {
    FormA& f = a();
    // Text1, Text2, Command1, List1; the timer has no place.
    EXPECT_EQ(f.Timer1.tabIndex(), -1);
    f.List1.setTabIndex(0);
    f.Text2.setTabIndex(99);
    std::vector<std::string> order;
    for (Control* c : f.tabOrder()) {
        order.push_back(c->name() + "=" + std::to_string(c->tabIndex()));
    }
    EXPECT_THAT(order, ElementsAre("List1=0", "Text1=1", "Command1=2", "Text2=3"));
    f.Show();
    EXPECT_EQ(ws.focused(), &f.List1);
    ws.pressKey(keys::tab, keys::shiftMask);
    EXPECT_EQ(ws.focused(), &f.Text2);
}

} // namespace usina::forms::testing
