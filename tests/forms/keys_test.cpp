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

TEST_F(FormsTest, MenuShortcutWithoutAHandlerDoesNothing) {
    a().mnuOpen.setShortcutCtrl('T');
    a().Show();
    ws.pressKey('T', keys::ctrlMask);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(a().Text1.text(), "");
}

TEST_F(FormsTest, LettingPendingEventsRunRunsQueuedKeystrokesBeforeTheHandlerGoesOn) {
    a().Show();
    a().onClick = [this] {
        ws.sendKeys("{tab}");
        ws.doEvents();
        log.add(std::string("focus on ") + ws.focused()->name());
    };
    ws.click(a().Command1);
    EXPECT_THAT(log.entries, ::testing::Contains("focus on List1"));
}

// Alt with a caption's access key acts as the old runtime did, whatever has the focus.
TEST_F(FormsTest, AccessKeysClickTickAndFocus) {
    FormA& f = a();
    CheckBox print{f, "ChkImprimir"};
    Label plate{f, "Label11"};
    TextBox plateBox{f, "MaskEdBox1"};
    CommandButton print2{f, "CmdImprimir"};
    f.Command1.setCaption("&Gerar Relatório");
    print.setCaption("&Imprimir");
    print2.setCaption("Imprimir &agora");
    plate.setCaption("&Placa do caminhão:");
    int prints = 0;
    print2.Click = [&] { ++prints; };
    f.Show();

    ws.pressKey('G', keys::altMask);
    EXPECT_THAT(log.entries, ::testing::Contains("Command1.Click"));
    EXPECT_EQ(ws.focused(), &f.Command1);
    ws.pressKey('I', keys::altMask);
    EXPECT_EQ(print.value(), 1);
    EXPECT_EQ(ws.focused(), &print);
    ws.pressKey('A', keys::altMask);
    EXPECT_EQ(prints, 1);
    // A label hands the focus to what follows it in tab order.
    ws.pressKey('P', keys::altMask);
    EXPECT_EQ(ws.focused(), &plateBox);
    // Nothing for a disabled control, a letter nobody has, or Ctrl+Alt.
    print.setEnabled(false);
    ws.pressKey('I', keys::altMask);
    ws.pressKey('Z', keys::altMask);
    ws.pressKey('G', keys::altMask | keys::ctrlMask);
    EXPECT_EQ(print.value(), 1);
    EXPECT_EQ(ws.focused(), &plateBox);
}

TEST_F(FormsTest, ComboListOpensWithF4OrAltDownAndClosesOnEnterEscapeOrLeaving) {
    FormA& f = a();
    ComboBox combo{f, "alt_traco"};
    combo.addItem("CBUQ");
    combo.addItem("PMF");
    f.Show();
    combo.SetFocus();
    const struct {
        int key;
        int shift;
        bool open;
    } steps[] = {
        {keys::f4, 0, true},
        {keys::f4, 0, false},
        {keys::down, keys::altMask, true},
        {keys::escape, 0, false},
        {keys::down, keys::altMask, true},
        {keys::up, keys::altMask, false},
        {keys::down, keys::altMask, true},
    };
    for (const auto& step : steps) {
        ws.pressKey(step.key, step.shift, step.key == keys::escape ? keys::escape : -1);
        EXPECT_EQ(combo.droppedDown(), step.open) << "key " << step.key;
    }
    // The arrows choose in the open list; Enter closes it on the choice.
    ws.pressKey(keys::down);
    EXPECT_EQ(combo.listIndex(), 0);
    EXPECT_TRUE(combo.droppedDown());
    ws.pressKey(keys::enter, 0, keys::enter);
    EXPECT_FALSE(combo.droppedDown());
    EXPECT_EQ(combo.text(), "CBUQ");
    ws.pressKey(keys::f4);
    f.Text1.SetFocus();
    EXPECT_FALSE(combo.droppedDown());
    // The window's own KeyDown may take the key first.
    combo.KeyDown = [](int& k, int) { k = 0; };
    combo.SetFocus();
    ws.pressKey(keys::f4);
    EXPECT_FALSE(combo.droppedDown());
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
