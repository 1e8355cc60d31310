// Windows come and go as the model says: closing asks the model, a modal form holds the others, a
// message box waits while the timers tick, and a window survives its form's unload from inside it.

#include "renderer_fixture.h"

#include "platform/value/run_time_error.h"

#include <QAbstractButton>
#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <cstdlib>

#include <sys/resource.h>

namespace usina::qt::testing {
namespace {

TEST_F(RendererTest, ClosingTheWindowAsksTheModelWhichMayRefuse) {
    PanelForm& p = shownPanel();
    QPointer<QWidget> window = renderer->windowOf(p);
    p.cancelUnload = true;
    window->close();
    settle();
    EXPECT_EQ(log.count("PanelForm.Unload"), 1);
    ASSERT_NE(ws.peek<PanelForm>(), nullptr);
    EXPECT_TRUE(window->isVisible());

    p.cancelUnload = false;
    window->close();
    settle();
    EXPECT_EQ(log.count("PanelForm.Unload"), 2);
    EXPECT_EQ(ws.peek<PanelForm>(), nullptr);
    EXPECT_TRUE(window.isNull());
}

TEST_F(RendererTest, AFormUnloadedFromItsOwnClickLeavesNothingBehind) {
    PanelForm& p = shownPanel();
    QPointer<QWidget> window = renderer->windowOf(p);
    QPointer<QWidget> button = widget(p.CmdLiga);
    p.onStart = [&p] { p.Unload(); };
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(log.count("CmdLiga.Click"), 1);
    EXPECT_EQ(ws.peek<PanelForm>(), nullptr);
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
    // Input still on its way to the dead window reaches nothing.
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::keyClick(button, Qt::Key_Return);
    settle();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(log.count("CmdLiga.Click"), 1);

    // The next touch loads a fresh form with a window of its own.
    PanelForm& fresh = shownPanel();
    QTest::mouseClick(widget(fresh.CmdLiga), Qt::LeftButton);
    EXPECT_EQ(log.count("CmdLiga.Click"), 2);
}

TEST_F(RendererTest, AModalFormHoldsTheOthersUntilItIsHidden) {
    PanelForm& p = shownPanel();
    DialogForm& d = dialog();
    bool ranInside = false;
    QTimer::singleShot(0, [&] {
        ranInside = true;
        EXPECT_EQ(renderer->windowOf(d)->windowModality(), Qt::ApplicationModal);
        QTest::mouseClick(widget(p.CmdLiga), Qt::LeftButton);
        QTest::keyClick(widget(p.txtumid), Qt::Key_5);
        renderer->windowOf(p)->close();
        QTest::mouseClick(widget(d.CmdOk), Qt::LeftButton);
        d.Hide();
    });
    d.ShowModal();
    EXPECT_TRUE(ranInside);
    EXPECT_EQ(log.count("CmdLiga.Click"), 0);
    EXPECT_EQ(log.count("PanelForm.Unload"), 0);
    EXPECT_EQ(p.txtumid.text(), "");
    EXPECT_EQ(log.count("CmdOk.Click"), 1);
    EXPECT_EQ(renderer->windowOf(d)->windowModality(), Qt::NonModal);
    // Back to the panel: it takes input again.
    QTest::mouseClick(widget(p.CmdLiga), Qt::LeftButton);
    EXPECT_EQ(log.count("CmdLiga.Click"), 1);
}

TEST_F(RendererTest, AMessageBoxAnsweredGivesTheModelsCodeWhileTheTimersTick) {
    PanelForm& p = shownPanel();
    p.TimerX.setInterval(10);
    p.TimerX.setEnabled(true);
    const struct {
        int style;
        QMessageBox::StandardButton pressed;
        int expected;
    } answers[] = {
        {forms::msgbox::yesNo + forms::msgbox::question, QMessageBox::No, forms::msgbox::no},
        {forms::msgbox::okCancel + forms::msgbox::exclamation, QMessageBox::Ok, forms::msgbox::ok},
    };
    for (const auto& answer : answers) {
        const int ticksBefore = log.count("TimerX");
        int ticksWhileOpen = -1;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        // The box is answered once the timer has ticked three times behind it, or after a generous
        // bound: a busy machine only makes the wait longer.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            const int ticks = log.count("TimerX") - ticksBefore;
            const bool late = std::chrono::steady_clock::now() >= deadline;
            if ((box == nullptr || ticks < 3) && !late) {
                return;
            }
            watcher.stop();
            ticksWhileOpen = ticks;
            ASSERT_NE(box, nullptr);
            icon = box->icon();
            EXPECT_EQ(box->text(), "Deseja sair?");
            EXPECT_EQ(box->windowTitle(), "Usina");
            box->button(answer.pressed)->click();
        });
        watcher.start(5);
        EXPECT_EQ(ws.msgBox("Deseja sair?", answer.style, "Usina"), answer.expected);
        EXPECT_GE(ticksWhileOpen, 3);
        EXPECT_NE(icon, QMessageBox::NoIcon);
    }
}

TEST_F(RendererTest, ModelTimersTickOnQtTimersAndStopWhenSwitchedOff) {
    PanelForm& p = shownPanel();
    p.TimerX.setInterval(20);
    p.TimerX.setEnabled(true);
    // A busy machine may run the ticks late: the test waits for them, not for a time.
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.count("TimerX") >= 3; }, 10000));
    p.TimerX.setEnabled(false);
    const int ticks = log.count("TimerX");
    QTest::qWait(80);
    EXPECT_EQ(log.count("TimerX"), ticks);

    // A tick that unloads its own form takes its timer with it, safely.
    p.TimerX.Tick = [&p] { p.Unload(); };
    p.TimerX.setEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ws.peek<PanelForm>() == nullptr; }, 10000));
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A wait spins no loop, not even with a window deleted later still pending from the same click.
TEST_F(RendererTest, AModalWaitCostsNoProcessorTime) {
    PanelForm& p = shownPanel();
    double spent = -1;
    p.onStart = [&] {
        dialog().Show();
        dialog().Unload();
        QTimer::singleShot(300, [&] { dialog().Hide(); });
        const double before = cpuSeconds();
        dialog().ShowModal();
        spent = cpuSeconds() - before;
    };
    QTest::mouseClick(widget(p.CmdLiga), Qt::LeftButton);
    EXPECT_GE(spent, 0);
    EXPECT_LT(spent, 0.1);
}

TEST_F(RendererTest, LettingPendingEventsRunGivesADueTimerItsOneLateTick) {
    PanelForm& p = shownPanel();
    p.TimerX.setInterval(10);
    p.TimerX.setEnabled(true);
    // A handler busy for four intervals, with nothing delivered meanwhile.
    QTest::qSleep(40);
    const int before = log.count("TimerX");
    ws.doEvents();
    EXPECT_EQ(log.count("TimerX"), before + 1);
}

TEST_F(RendererTest, TheHourglassDoesNotStack) {
    backend.setMousePointer(forms::MousePointer::Hourglass);
    backend.setMousePointer(forms::MousePointer::Hourglass);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    backend.setMousePointer(forms::MousePointer::Default);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(RendererTest, AWindowThePersonActivatesBecomesTheActiveForm) {
    PanelForm& p = shownPanel();
    DialogForm& d = dialog();
    d.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(renderer->windowOf(d)));
    settle();
    EXPECT_EQ(ws.activeForm(), &d);
    const int panelActivations = log.count("PanelForm.Activate");

    renderer->windowOf(p)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(renderer->windowOf(p)));
    settle();
    EXPECT_EQ(ws.activeForm(), &p);
    EXPECT_EQ(log.count("PanelForm.Activate"), panelActivations + 1);

    // Away to another program and back raises nothing.
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    const std::size_t logged = log.entries.size();
    renderer->windowOf(p)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(renderer->windowOf(p)));
    settle();
    EXPECT_EQ(log.entries.size(), logged);
    EXPECT_EQ(QApplication::focusWidget(), widget(*ws.focused()));
}

// No printing system to ask, also on a machine that has one.
TEST_F(RendererTest, PrintingWithoutAPrinterIsTheOldPrinterError) {
    qputenv("CUPS_SERVER", QByteArray("/nonexistent/cups.sock"));
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "this machine has a default printer";
    }
    PanelForm& p = shownPanel();
    try {
        ws.printForm(p);
        FAIL() << "printing without a printer succeeded";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), 482);
        EXPECT_STREQ(e.what(), "Erro de impressora");
    }
}

// Quitting leaves a nested wait at once, and a main loop started afterwards as well: nothing after
// the end runs. In a process of its own, since Qt's loops stay quit for good.
TEST(QtBackendDeathTest, QuitLeavesEveryLoop) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            application();
            QtBackend backend;
            QTimer::singleShot(20, [&backend] { backend.quit(); });
            backend.runNestedLoop([] { return false; });
            QApplication::exec();
            std::exit(backend.quitRequested() ? 3 : 4);
        },
        ::testing::ExitedWithCode(3), "");
}

} // namespace
} // namespace usina::qt::testing
