// The clock timers: time and date, the delay lines' shift by whole seconds, the message line's
// lifetime, the elapsed process time, the record counter and the totals saved every tick.

#include "plant/process_clock.h"
#include "tests/process/process_fixture.h"

using ::testing::ElementsAre;

namespace usina::test {

namespace {

constexpr Date today{2026, 12, 10};

} // namespace

TEST_F(ProcessTest, TimeAndDateShowInTheRegionalShortForms) {
    start();
    clock.set(today, 13 * 3600.0 + 5 * 60 + 9);
    main().TimerTempo_Timer();
    EXPECT_EQ(main().LblTime.caption(), "13:05:09");
    EXPECT_EQ(main().LblDia.caption(), "10/12/2026");
}

TEST_F(ProcessTest, DelayLinesShiftOncePerWholeSecondPastTheMarkAndOnlyUpToOnePastTheDelay) {
    start();
    mix().AsphaltDelay = 3.7;
    mix().FillerDelay = mix().MaltenoDelay = mix().FibreDelay = 0;
    clockState().AsphaltDelayLine[0] = 42;
    clockState().DelayShiftLastTimer = 100.0;
    std::vector<double> marks;
    for (double at : {100.8, 101.6, 102.4, 103.2, 104.0, 104.8}) {
        clock.set(today, at);
        main().TimerTempo_Timer();
        marks.push_back(clockState().DelayShiftLastTimer);
    }
    // At 104,0 the clock is not past 104.
    EXPECT_THAT(marks, ElementsAre(100, 101, 102, 103, 103, 104));
    const DelayLine& line = clockState().AsphaltDelayLine;
    EXPECT_THAT((std::vector<int>{line[0], line[1], line[2], line[3], line[4], line[5]}),
                ElementsAre(42, 42, 42, 42, 42, 0));
}

TEST_F(ProcessTest, MidnightMovesTheShiftMarkWithoutAShift) {
    start();
    mix().AsphaltDelay = 0;
    clockState().AsphaltDelayLine[0] = 7;
    clockState().DelayShiftLastTimer = 86399.5;
    clock.set(Date{2026, 12, 11}, 0.3);
    main().TimerTempo_Timer();
    EXPECT_EQ(clockState().DelayShiftLastTimer, processClock(clock));
    EXPECT_EQ(clockState().AsphaltDelayLine[1], 0);
    clock.set(Date{2026, 12, 11}, 1.4);
    main().TimerTempo_Timer();
    EXPECT_EQ(clockState().AsphaltDelayLine[1], 7);
}

TEST_F(ProcessTest, AMessageIsClearedOnTheThirdClockTickThatSeesItAndHoldsTheLineUntilThen) {
    start();
    main().LblOcorrenc.setCaption("");
    clockState().OccurrenceAge = 0;
    services().ShowOccurrence("primeira");
    main().TimerTempo_Timer();
    main().TimerTempo_Timer();
    services().ShowOccurrence("segunda");
    EXPECT_EQ(main().LblOcorrenc.caption(), "primeira");
    main().TimerTempo_Timer();
    EXPECT_EQ(main().LblOcorrenc.caption(), "");
    EXPECT_EQ(clockState().OccurrenceAge, 0);

    // On the running clock: between two and three ticks of 0,8 s.
    services().ShowOccurrence("terceira");
    const double shownAt = clock.monotonicSeconds();
    ASSERT_TRUE(desktop.runUntil([&] { return main().LblOcorrenc.caption().empty(); }, 5, 0.01));
    const double lifetime = clock.monotonicSeconds() - shownAt;
    EXPECT_GE(lifetime, 1.6 - 0.011);
    EXPECT_LE(lifetime, 2.4 + 0.011);
}

namespace {

struct ElapsedCase {
    const char* name;
    double lastTimer; // seconds since midnight of the previous tick
    double now;       // of this tick
    int hours, minutes, seconds;
    double accumulator;
    const char* shown;
};

const ElapsedCase elapsedCases[] = {
    {"AnHourIsCompleteAfter59Minutes59Seconds", 36000.0, 36000.45, 0, 59, 59, 59.9, " 01h00m00s"},
    {"SecondsCountTheAccumulatedTime", 36000.0, 36000.5, 2, 5, 8, 8.75, " 02h05m09s"},
    {"APauseOfTheTimerStartsTheSecondsAgain", 36000.0, 36010.0, 1, 7, 30, 30.2, " 01h07m00s"},
    {"MidnightAddsNothing", 86399.8, 0.2, 0, 3, 10, 10.5, " 00h03m10s"},
    {"HoursAbove99ShowTheirLastTwoDigits", 36000.0, 36000.45, 123, 4, 0, 0.1, " 23h04m00s"},
};

class ElapsedTime : public ProcessTest, public ::testing::WithParamInterface<ElapsedCase> {};

} // namespace

TEST_P(ElapsedTime, TheElapsedTimerCountsAndShowsHoursMinutesAndSeconds) {
    const ElapsedCase& c = GetParam();
    start();
    clock.set(today, c.lastTimer);
    clockState().ElapsedLastTimer = processClock(clock);
    clockState().ElapsedHours = static_cast<std::int16_t>(c.hours);
    clockState().ElapsedMinutes = static_cast<std::int16_t>(c.minutes);
    clockState().ElapsedSeconds = static_cast<std::int16_t>(c.seconds);
    clockState().ElapsedAccumulator = c.accumulator;
    clock.set(c.now < c.lastTimer ? Date{2026, 12, 11} : today, c.now);
    main().TmrTempo_decor_Timer();
    EXPECT_EQ(main().Lbltempo.caption(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Clock, ElapsedTime, ::testing::ValuesIn(elapsedCases), ByName());

TEST_F(ProcessTest, EachElapsedTickStepsTheRecordCounterAndSavesTheTotalsRounded) {
    start();
    services().RecordTick = 7;
    process().DailyProduction = 12.345;
    process().TotalProduction = 9876.504;
    main().TmrTempo_decor_Timer();
    EXPECT_EQ(services().RecordTick, 8);
    const Row totals = totalizador();
    EXPECT_EQ(totals[0].number, 12.35);
    EXPECT_EQ(totals[1].number, 9876.5);
}

} // namespace usina::test
