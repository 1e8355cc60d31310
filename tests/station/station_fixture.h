#pragma once
// A station on a temporary program folder holding fresh copies of the delivered databases, on virtual
// time, with the plant controller simulated in process.

#include "app/station_windows.h"
#include "core/access_state.h"
#include "core/databases.h"
#include "core/shared_services.h"
#include "core/startup_and_settings.h"
#include "core/station.h"
#include "plant/controller/link.h"
#include "plant/form_ranvikv5.h"
#include "plant/main_window_state.h"
#include "plant/mix_and_calibration.h"
#include "plant/process_and_totals.h"
#include "tests/station/recording_desktop.h"
#include "tests/support/sqlite_file.h"
#include "tests/support/temporary_folder.h"
#include "tools/plantsim/plant_model.h"
#include "tools/plantsim/simulated_link.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace usina::test {

inline constexpr const char* deliveredFiles[] = {"datranvik.mdb", "calranvik.mdb", "dat2.mdb", "idioma.mdb",
                                                 "bdruntime.mdb"};

class StationTest : public ::testing::Test {
protected:
    StationTest() : desktop(clock) {
        for (const char* file : deliveredFiles) {
            folder.copyOfDelivered(file);
        }
    }

    // The plant behind the link; configure before start().
    plantsim::PlantModelConfig plantConfig;
    // The program's version as the tests expect to see it, whatever the build's is.
    ProgramVersion version{5, 1, 0};

    // The station, built but not started (a renderer may want to observe it from the first form on).
    Station& create(plantsim::AnswerFaults faults = {}) {
        plant = std::make_unique<plantsim::PlantModel>(plantConfig);
        link = std::make_unique<plantsim::SimulatedLink>(
            *plant, [this] { return clock.monotonicSeconds(); }, faults);
        link->onIdleWait = [this](std::chrono::microseconds d) {
            clock.advance(static_cast<double>(d.count()) / 1e6);
        };
        station = std::make_unique<Station>(StationServices{clock, desktop, *link, folder.path(), version});
        registerStationWindows(*station);
        return *station;
    }

    Station& start(plantsim::AnswerFaults faults = {}) {
        create(faults).run();
        return *station;
    }

    // The groups of the module's state.
    StartupAndSettings& settings() { return station->group<StartupAndSettings>(); }
    Databases& db() { return station->group<Databases>(); }
    SharedServices& services() { return station->group<SharedServices>(); }
    AccessState& access() { return station->group<AccessState>(); }
    Link& controller() { return station->group<Link>(); }
    MixAndCalibration& mix() { return station->group<MixAndCalibration>(); }
    ProcessAndTotals& process() { return station->group<ProcessAndTotals>(); }
    MainWindowState& mainState() { return station->group<MainWindowState>(); }
    FormRanvikv5& main() { return station->form<FormRanvikv5>(); }

    // Changes a delivered file before the start (or reads it afterwards).
    SqliteFile database(const std::string& file) const { return SqliteFile(folder.path() / file); }
    void sql(const std::string& file, const std::string& statement) const {
        database(file).execute(statement);
    }

    std::filesystem::path settingsFile() const { return folder.path() / "Parametros.ini"; }
    void writeSettings(const std::string& content) const;
    std::string readSettings() const;

    // Register traffic the controller received: "R 0", "W 3=0".
    std::vector<std::string> traffic() const;

    TemporaryFolder folder;
    forms::VirtualClock clock{Date{2026, 12, 10}, 8 * 3600.0};
    RecordingDesktop desktop;
    std::unique_ptr<plantsim::PlantModel> plant;
    std::unique_ptr<plantsim::SimulatedLink> link;
    std::unique_ptr<Station> station;
};

} // namespace usina::test
