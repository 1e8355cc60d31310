#pragma once
// The polling cycle, on the main window's 100 ms timer: one phase per tick, five phases, so each of the
// controller's registers is served once every half second, whether the plant runs or not. The phases
// read the belt scales and temperatures into averaging rings, give the regulation the net weights and
// the gauges their temperatures, send the belt speeds and the delayed pump commands, keep the menus in
// step with the plant state, and sample the temperatures every 100 kg of the load.

#include <cstdint>

namespace usina {

class FormRanvikv5;
class Link;
class MixAndCalibration;
class SharedServices;
class StartupAndSettings;
class Station;
class TranslatedTexts;
struct ClockState;
struct PollingState;
struct ProcessAndTotals;

class PollingCycle {
public:
    explicit PollingCycle(Station& station);
    PollingCycle(const PollingCycle&) = delete;
    PollingCycle& operator=(const PollingCycle&) = delete;

    void Tick(FormRanvikv5& main);

private:
    void phase1();
    void phase2(FormRanvikv5& main);
    void phase3(FormRanvikv5& main);
    void phase4(FormRanvikv5& main);

    void readSilo(int silo, int address);
    void readTemperature(FormRanvikv5& main, int channel);
    void readChannels(FormRanvikv5& main, int channel, int fiveInputChannel);
    void advanceChannelRings(int channel, int fiveInputChannel);
    void advanceSiloRing(int silo);
    void advanceTempRing(int channel);
    void sendSpeed(int silo);
    void menuStep(FormRanvikv5& main);
    void sampleTemperatures(FormRanvikv5& main);

    Station& st;
    SharedServices& services;
    StartupAndSettings& settings;
    Link& link;
    MixAndCalibration& mix;
    PollingState& polling;
    ProcessAndTotals& process;
    ClockState& clock;
    TranslatedTexts& texts;
};

} // namespace usina
