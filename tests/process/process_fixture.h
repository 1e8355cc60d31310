#pragma once
// A station whose process loop the test drives: the timers' handlers one tick at a time, or virtual
// time with every timer ticking; the plant can be started and stopped as the start button does.

#include "plant/clock_state.h"
#include "plant/polling_state.h"
#include "plant/production_records.h"
#include "plant/production_records_state.h"
#include "tests/process/support/plant_start.h"
#include "tests/station/station_fixture.h"

#include <string>
#include <vector>

namespace usina::test {

// Test names for the tables of cases whose rows carry a `name`.
struct ByName {
    template <class Case> std::string operator()(const ::testing::TestParamInfo<Case>& row) const {
        return row.param.name;
    }
};

class ProcessTest : public StationTest {
protected:
    PollingState& polling() { return station->group<PollingState>(); }
    ClockState& clockState() { return station->group<ClockState>(); }
    ProductionRecordsState& logged() { return station->group<ProductionRecordsState>(); }
    ProductionRecords& records() { return station->group<ProductionRecords>(); }

    void pollOnce() { main().TimerX_Timer(); }
    void pollCycle() {
        for (int phase = 0; phase < 5; ++phase) {
            pollOnce();
        }
    }
    void regulateOnce() { main().TimerProcesso_Timer(); }
    // Every timer that is on ticks as it falls due.
    void run(double seconds) { desktop.advance(seconds); }

    void startPlant() { test::startPlant(*station); }
    // A plant whose silos can give the rate (full beds), the moistures filled and the rate at
    // 100 t/h, started.
    void startRunnablePlant() {
        plantConfig.bedLevel.fill(220);
        start();
        fillMoistures(*station, {3, 3, 3, 3, 3});
        main().HScroll.setValue(100);
        startPlant();
    }
    void stopPlant() { test::stopPlant(*station); }

    // The production rows as stored, oldest first.
    std::vector<Row> tabela(const std::string& columns) const {
        return database("datranvik.mdb").query("SELECT " + columns + " FROM Tabela ORDER BY rowid");
    }
    Row totalizador() const {
        return database("datranvik.mdb").query("SELECT par_diaria, total, datatot FROM totalizador").at(0);
    }
    // Register traffic since `from` (an index into traffic()).
    std::vector<std::string> trafficFrom(std::size_t from) const {
        const std::vector<std::string> all = traffic();
        return std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(from), all.end());
    }
};

} // namespace usina::test
