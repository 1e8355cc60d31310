#include "forms_fixture.h"

#include "platform/value/run_time_error.h"

namespace usina::forms::testing {

TEST_F(FormsTest, ErrorNoHandlerTrappedIsReportedWithTheInnermostHandlerAndTheStationRunsOn) {
    a().Show();
    a().Text2.Change = [] { throw RunTimeError(error_number::typeMismatch, "Type mismatch"); };
    a().onClick = [this] {
        a().Text2.setText("boom");
        log.add("not reached");
    };
    ws.click(a().Command1);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "FormA.Text2_Change: Type mismatch");
    EXPECT_THAT(log.entries, ::testing::Not(::testing::Contains("not reached")));
    // The next event runs normally.
    log.clear();
    a().onClick = nullptr;
    ws.click(a().Command1);
    EXPECT_THAT(log.entries, ::testing::Contains("Command1.Click"));
}

TEST_F(FormsTest, ErrorTrappedByAHandlerIsNotReported) {
    a().Show();
    a().Text2.Change = [] { throw RunTimeError(error_number::typeMismatch, "Type mismatch"); };
    a().onClick = [this] {
        try {
            a().Text2.setText("boom");
        } catch (const RunTimeError&) {
            log.add("trapped");
        }
    };
    ws.click(a().Command1);
    EXPECT_TRUE(errors.empty());
    EXPECT_THAT(log.entries, ::testing::Contains("trapped"));
}

TEST_F(FormsTest, ErrorInATimerTickIsReportedAndTheTimerTicksOn) {
    a().Show();
    int ticks = 0;
    a().onTick = [&] {
        ++ticks;
        throw RunTimeError(error_number::divisionByZero, "Division by zero");
    };
    a().Timer1.setInterval(100);
    a().Timer1.setEnabled(true);
    desktop.advance(0.35);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(errors.size(), 3u);
    EXPECT_EQ(errors[0], "FormA.Timer1_Timer: Division by zero");
}

TEST_F(FormsTest, TimerNeverReentersItsOwnHandler) {
    a().Show();
    int depth = 0;
    int maxDepth = 0;
    a().onTick = [&] {
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        ws.doEvents();
        desktop.advance(0.25);
        --depth;
    };
    a().Timer1.setInterval(100);
    a().Timer1.setEnabled(true);
    desktop.advance(1.0);
    EXPECT_EQ(maxDepth, 1);
}

TEST_F(FormsTest, TicksMissedWhileAHandlerRanAreNotMadeUp) {
    a().Show();
    std::vector<double> at;
    a().onTick = [&] {
        at.push_back(clock.monotonicSeconds());
        if (at.size() == 1) {
            clock.advance(0.35); // a slow tick, as a silent controller makes one
        }
    };
    const double start = clock.monotonicSeconds();
    a().Timer1.setInterval(100);
    a().Timer1.setEnabled(true);
    desktop.advance(0.8);
    ASSERT_GE(at.size(), 3u);
    EXPECT_NEAR(at[0] - start, 0.1, 1e-6);
    EXPECT_NEAR(at[1] - start, 0.45, 1e-6); // one late tick
    EXPECT_NEAR(at[2] - start, 0.55, 1e-6); // then the regular rhythm
    EXPECT_EQ(at.size(), 5u);
}

TEST_F(FormsTest, SettingEnabledToItsValueChangesNothingAndIntervalRestartsTheCount) {
    a().Show();
    int ticks = 0;
    a().onTick = [&] { ++ticks; };
    a().Timer1.setInterval(100);
    a().Timer1.setEnabled(true);
    desktop.advance(0.08);
    a().Timer1.setEnabled(true);
    desktop.advance(0.03);
    EXPECT_EQ(ticks, 1);
    desktop.advance(0.05);
    a().Timer1.setInterval(100);
    desktop.advance(0.08);
    EXPECT_EQ(ticks, 1);
    desktop.advance(0.03);
    EXPECT_EQ(ticks, 2);
}

TEST_F(FormsTest, ScrollBarLimitsItsValueAndRaisesChangeOncePerChange) {
    ScrollBar bar{a(), "HScroll"};
    int changes = 0;
    bar.Change = [&] { ++changes; };
    bar.setMax(200);
    bar.setValue(250);
    EXPECT_EQ(bar.value(), 200);
    bar.setValue(200);
    EXPECT_EQ(changes, 1);
    bar.setMax(150);
    EXPECT_EQ(bar.value(), 150);
    EXPECT_EQ(changes, 2);
}

TEST_F(FormsTest, ComboChoiceRaisesClickAndSettingTheTextDoesNot) {
    a().Show();
    ComboBox combo{a(), "Combo1"};
    int clicks = 0;
    combo.Click = [&] { ++clicks; };
    combo.addItem("A");
    combo.addItem("B");
    combo.setText("B");
    EXPECT_EQ(clicks, 0);
    ws.choose(combo, 0);
    EXPECT_EQ(combo.text(), "A");
    ws.choose(combo, 0);
    EXPECT_EQ(clicks, 2);
}

} // namespace usina::forms::testing

namespace usina::forms::testing {

TEST_F(FormsTest, TimerTickThatUnloadsItsOwnFormEndsSafely) {
    a().Show();
    int ticks = 0;
    a().onTick = [&] {
        ++ticks;
        a().Unload();
    };
    a().Timer1.setInterval(100);
    a().Timer1.setEnabled(true);
    desktop.advance(0.5);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(ws.peek<FormA>(), nullptr);
}

} // namespace usina::forms::testing
