#include "forms_fixture.h"

#include "platform/forms/form_ref.h"

using ::testing::ElementsAre;

namespace usina::forms::testing {

TEST_F(FormsTest, TouchingAFormLoadsItHidden) {
    EXPECT_EQ(ws.peek<FormB>(), nullptr);
    b().Text1.setText("x");
    ASSERT_NE(ws.peek<FormB>(), nullptr);
    EXPECT_FALSE(b().visible());
    EXPECT_THAT(log.entries, ElementsAre("FormB.Load"));
}

TEST_F(FormsTest, HandlerUnloadingItsOwnFormRunsToItsEndAndTheNextTouchLoadsAFreshForm) {
    const int destroyedBefore = FormB::destroyed;
    b().Show();
    b().Text1.setText("old");
    b().onOk = [this, destroyedBefore] {
        FormB& self = b();
        EXPECT_TRUE(self.Unload());
        // Still alive until this event returns.
        self.Text1.setText("after unload");
        log.add("still running");
        EXPECT_EQ(FormB::destroyed, destroyedBefore);
    };
    ws.click(b().CmdOk);
    EXPECT_EQ(FormB::destroyed, destroyedBefore + 1);
    EXPECT_EQ(ws.peek<FormB>(), nullptr);
    EXPECT_EQ(b().Text1.text(), "");
    EXPECT_THAT(log.entries, ::testing::Contains("still running"));
}

TEST_F(FormsTest, CancelledUnloadKeepsTheForm) {
    a().Show();
    a().cancelUnload = true;
    EXPECT_FALSE(a().Unload());
    EXPECT_TRUE(a().isLoaded());
    EXPECT_TRUE(a().visible());
}

TEST_F(FormsTest, UnloadingTheActiveFormGivesFocusBack) {
    a().Show();
    b().Show();
    log.clear();
    ws.closeByPerson(b());
    EXPECT_THAT(log.entries, ElementsAre("FormB.Unload", "FormA.Activate", "Text1.GotFocus"));
}

TEST_F(FormsTest, ModalShowWaitsWithTimersTickingUntilTheFormGoes) {
    a().Show();
    a().Timer1.setInterval(100);
    a().Timer1.setEnabled(true);
    b().onOk = [this] { b().Unload(); };
    desktop.whenWaiting([this] { desktop.advance(0.35); });
    desktop.whenWaiting([this] { ws.click(b().CmdOk); });
    a().onClick = [this] {
        b().ShowModal();
        log.add("after modal");
    };
    log.clear();
    ws.click(a().Command1);
    const auto& e = log.entries;
    EXPECT_EQ(std::count(e.begin(), e.end(), "Timer1"), 3);
    EXPECT_EQ(e.back(), "after modal");
    EXPECT_EQ(ws.peek<FormB>(), nullptr);
}

TEST_F(FormsTest, ModalFormBlocksInputToTheOthers) {
    a().Show();
    bool clickedBehind = false;
    a().onClick = [&] { clickedBehind = true; };
    desktop.whenWaiting([this] { ws.click(a().Command1); });
    desktop.whenWaiting([this] { b().Hide(); });
    ws.raise("FormA", "test", [this] { b().ShowModal(); });
    EXPECT_FALSE(clickedBehind);
}

TEST_F(FormsTest, MessageBoxIsAnsweredAndRecorded) {
    desktop.answerMessageBox(msgbox::cancel);
    EXPECT_EQ(ws.msgBox("Texto", msgbox::critical, "Titulo"), msgbox::cancel);
    ASSERT_EQ(desktop.messageBoxes().size(), 1u);
    EXPECT_EQ(desktop.messageBoxes()[0].prompt, "Texto");
    EXPECT_EQ(desktop.messageBoxes()[0].style, msgbox::critical);
}

TEST_F(FormsTest, EndingTheProgramStopsEverythingAndNothingAfterItRuns) {
    a().Show();
    b().Show();
    a().Timer1.setInterval(100);
    a().Timer1.setEnabled(true);
    a().onClick = [this] {
        log.add("before end");
        ws.endProgram();
    };
    log.clear();
    ws.raise("FormA", "outer", [this] {
        ws.click(a().Command1);
        log.add("after end");
    });
    desktop.advance(1.0);
    EXPECT_THAT(log.entries, ElementsAre("B.Text1.LostFocus", "FormA.Activate", "Command1.GotFocus",
                                         "Command1.Click", "before end"));
    EXPECT_TRUE(desktop.quitRequested());
    EXPECT_TRUE(ws.ended());
}

// A handler that catches everything cannot keep the program alive: no other handler runs after the
// end, and the caller of the swallowing event does not go on.
TEST_F(FormsTest, EndingTheProgramCannotBeSwallowed) {
    a().Show();
    a().Timer1.setInterval(100);
    a().Timer1.setEnabled(true);
    a().onClick = [this] {
        try {
            ws.endProgram();
        } catch (...) {
            log.add("swallowed");
        }
        // What runs on here shows nothing, and the next handler it would raise ends it.
        EXPECT_THROW(ws.msgBox("late", msgbox::okOnly, ""), ProgramEnded);
        a().Text2.setText("late");
        log.add("not reached");
    };
    log.clear();
    ws.raise("FormA", "outer", [this] {
        ws.click(a().Command1);
        log.add("after end");
    });
    desktop.advance(1.0);
    EXPECT_THAT(log.entries,
                ElementsAre("Text1.LostFocus", "Command1.GotFocus", "Command1.Click", "swallowed"));
    EXPECT_TRUE(desktop.messageBoxes().empty());
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(desktop.quitRequested());
}

TEST_F(FormsTest, AFormRefKeptAcrossAnUnloadReachesTheFreshForm) {
    const FormRef<FormB> kept(ws);
    kept->Text1.setText("old");
    kept->Unload();
    ws.raise("FormA", "next event", [] {});
    EXPECT_EQ(kept.peek(), nullptr);
    EXPECT_EQ(kept->Text1.text(), "");
    EXPECT_EQ(kept.peek(), ws.peek<FormB>());
}

} // namespace usina::forms::testing
