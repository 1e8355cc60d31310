#pragma once
// The two clock timers of the main window. TimerTempo (800 ms, always on) shows the time and date,
// shifts the additive delay lines one place a second, clears the message line a few ticks after a
// message appeared, and writes what a busy file kept. TmrTempo_decor (450 ms while the plant runs or
// stops) counts the elapsed process time, steps the record counter and saves the day's totals.

namespace usina {

class Databases;
class FormRanvikv5;
class MixAndCalibration;
class ProductionRecords;
class SharedServices;
class Station;
struct ClockState;

class ClockTimers {
public:
    explicit ClockTimers(Station& station);
    ClockTimers(const ClockTimers&) = delete;
    ClockTimers& operator=(const ClockTimers&) = delete;

    void TimerTempoTick(FormRanvikv5& main);
    void TmrTempoDecorTick(FormRanvikv5& main);

private:
    void showTimeAndDate(FormRanvikv5& main);
    void shiftDelayLines(double now);
    void ageMessageLine(FormRanvikv5& main);

    void countElapsedTime(double now);
    void showElapsedTime(FormRanvikv5& main);
    void stepRecordCounter();

    Station& st;
    SharedServices& services;
    Databases& db;
    MixAndCalibration& mix;
    ClockState& clock;
    ProductionRecords& records;
};

} // namespace usina
