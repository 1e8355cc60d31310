#include "forms_fixture.h"

#include "platform/forms/key_codes.h"

using ::testing::ElementsAre;

namespace usina::forms::testing {

TEST_F(FormsTest, KeyPreviewGivesTheFormTheKeyBeforeTheControl) {
    a().setKeyPreview(true);
    a().Show();
    log.clear();
    ws.pressKey('5', 0, '5');
    EXPECT_THAT(log.entries, ElementsAre("FormA.KeyDown=53", "Text1.KeyDown=53", "FormA.KeyPress=53",
                                         "Text1.KeyPress=53", "Text1.Change=5"));
}

TEST_F(FormsTest, WithoutKeyPreviewTheFormSeesNothing) {
    a().Show();
    log.clear();
    ws.pressKey('5', 0, '5');
    EXPECT_THAT(log.entries, ElementsAre("Text1.KeyDown=53", "Text1.KeyPress=53", "Text1.Change=5"));
}

TEST_F(FormsTest, KeyZeroedByTheFormNeverReachesTheControl) {
    a().setKeyPreview(true);
    a().onFormKeyPress = [](int& k) { k = 0; };
    a().Show();
    log.clear();
    ws.pressKey('5', 0, '5');
    EXPECT_THAT(log.entries, ElementsAre("FormA.KeyDown=53", "Text1.KeyDown=53", "FormA.KeyPress=53"));
    EXPECT_EQ(a().Text1.text(), "");
}

TEST_F(FormsTest, HandlerReplacingTheKeyTypesTheReplacement) {
    a().onKeyPress = [](TextBox&, int& k) {
        if (k == '.') {
            k = ',';
        }
    };
    a().Show();
    ws.typeText("1.5");
    EXPECT_EQ(a().Text1.text(), "1,5");
}

TEST_F(FormsTest, MaxLengthLimitsTypingButNotCode) {
    a().Show();
    a().Text1.setMaxLength(2);
    ws.typeText("123");
    EXPECT_EQ(a().Text1.text(), "12");
    a().Text1.setText("12345");
    EXPECT_EQ(a().Text1.text(), "12345");
}

TEST_F(FormsTest, ChangeIsRaisedAgainFromInsideChange) {
    a().Show();
    int depth = 0;
    a().Text1.Change = [&] {
        log.add("Change=" + a().Text1.text());
        if (a().Text1.text() == "x" && depth++ == 0) {
            a().Text1.setText("30");
        }
    };
    ws.typeText("x");
    EXPECT_THAT(log.entries, ::testing::Contains("Change=x"));
    EXPECT_THAT(log.entries, ::testing::Contains("Change=30"));
    EXPECT_EQ(a().Text1.text(), "30");
}

TEST_F(FormsTest, QueuedTabRunsAfterTheRunningHandlerReturns) {
    a().onKeyPress = [this](TextBox&, int& k) {
        if (k == keys::enter) {
            ws.sendKeys("{tab}");
            log.add("handler end");
            k = 0;
        }
    };
    a().Show();
    log.clear();
    ws.pressKey(keys::enter, 0, keys::enter);
    EXPECT_THAT(log.entries, ElementsAre("Text1.KeyDown=13", "Text1.KeyPress=13", "handler end",
                                         "Text1.LostFocus", "Text2.GotFocus"));
}

TEST_F(FormsTest, QueuedHomeShiftEndSelectsTheTextOfABoxAndNothingOfAList) {
    a().Show();
    a().Text1.setText("segredo");
    a().Text1.setSelStart(3);
    ws.raise("FormA", "test", [this] { ws.sendKeys("{Home}+{End}"); });
    EXPECT_EQ(a().Text1.selStart(), 0);
    EXPECT_EQ(a().Text1.selLength(), 7);

    a().List1.addItem("um");
    a().List1.addItem("dois");
    a().List1.setListIndex(1);
    a().List1.SetFocus();
    ws.raise("FormA", "test", [this] { ws.sendKeys("{Home}+{End}"); });
    EXPECT_EQ(a().List1.listIndex(), 1);
}

TEST_F(FormsTest, MenuShortcutClicksAnEnabledItemOnly) {
    int clicks = 0;
    a().mnuOpen.Click = [&] { ++clicks; };
    a().mnuOpen.setShortcutCtrl('A');
    a().Show();
    ws.pressKey('A', keys::ctrlMask);
    a().mnuFile.setEnabled(false);
    ws.pressKey('A', keys::ctrlMask);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(a().Text1.text(), "");
}

TEST_F(FormsTest, BackspaceAndSelectionEditing) {
    a().Show();
    ws.typeText("12345");
    ws.pressKey(keys::backspace, 0, keys::backspace);
    EXPECT_EQ(a().Text1.text(), "1234");
    ws.pressKey(keys::home);
    ws.pressKey(keys::end, keys::shiftMask);
    ws.typeText("9");
    EXPECT_EQ(a().Text1.text(), "9");
}

} // namespace usina::forms::testing
