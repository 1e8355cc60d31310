#pragma once
// The regulation, on the main window's 100 ms timer from the start until the stop has brought every
// output to 0: it measures each silo's dry flow from the net belt weights, steps the aggregate set point
// toward the operator's rate, steps each belt speed toward its silo's share, puts the pump commands at
// the head of their delay lines, shows speeds, flows and totals, totals nine materials across midnight,
// finishes the stop, notices a new day and writes the periodic production record.

#include <cstdint>

namespace usina {

class FormRanvikv5;
class MixAndCalibration;
class ProductionRecords;
class SharedServices;
class Station;
class TranslatedTexts;
struct ClockState;
struct PollingState;
struct ProcessAndTotals;

class RegulationTick {
public:
    explicit RegulationTick(Station& station);
    RegulationTick(const RegulationTick&) = delete;
    RegulationTick& operator=(const RegulationTick&) = delete;

    void Tick(FormRanvikv5& main);

private:
    void measureFlows();
    void deriveAdditiveFlows();
    void deriveRecycledStream();
    void stepSetpoint();
    void stepSiloSpeeds();
    void stepSiloSpeed(int silo, double desired, double measured);
    void computePumpCommands();
    std::uint8_t pumpCommand(double flow, double constant, const char* limitMessage);
    void showSpeedsAndFlows(FormRanvikv5& main);
    void accumulateTotals();
    void sumProduction();
    void showTotals(FormRanvikv5& main);
    void completeStop(FormRanvikv5& main);
    void noticeChangeOfDate();
    void writePeriodicRecord();

    Station& st;
    SharedServices& services;
    MixAndCalibration& mix;
    PollingState& polling;
    ProcessAndTotals& process;
    ClockState& clock;
    ProductionRecords& records;
    TranslatedTexts& texts;
};

} // namespace usina
