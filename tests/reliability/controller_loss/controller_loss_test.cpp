// A silent controller, and one pulled away mid-run and plugged in again, leave the unattended station
// running and responsive with "Falha de Comunicação" on its message line; the controller that comes back
// is used again without a restart, and its loss is logged once.

#include "tests/reliability/support/unattended_station.h"
#include "tests/support/eventually.h"
#include "tests/support/sqlite_file.h"
#include "tools/plantsim/launcher/plantsim_process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

namespace usina::test {

namespace {

using namespace std::chrono_literals;

// A stall of this length would be a frozen window; the station's own bound is one read time-out.
constexpr double frozenMs = 1000;

class ControllerLoss : public ::testing::Test {
protected:
    ControllerLoss() { copyDeliveredDatabases(folder); }

    void startPlantsim(std::vector<std::string> arguments = {}) {
        plant = std::make_unique<plantsim::PlantsimProcess>(PLANTSIM_EXECUTABLE, link, arguments);
    }
    void startStation() {
        station = std::make_unique<UnattendedStation>(folder.path(), link,
                                                      std::vector<std::string>{"--status-every", "50"});
    }

    // The station's event loop has run `seconds` more of its heartbeats since now.
    bool runsOnFor(double seconds) const {
        const double beats = station->number("beats") + seconds / 0.025;
        return eventually([&] { return station->number("beats") >= beats; }, 30s);
    }
    bool answersUsed() const {
        return eventually(
            [&] {
                const auto reading = station->status("reading1");
                return reading && !reading->empty() && *reading != "0";
            },
            30s);
    }
    bool lineShows(const std::string& message) const {
        return eventually([&] { return station->status("line") == message; }, 30s);
    }

    TemporaryFolder folder;
    std::string link = (folder / "ttyPLANT").string();
    std::unique_ptr<plantsim::PlantsimProcess> plant;
    std::unique_ptr<UnattendedStation> station;
};

} // namespace

TEST_F(ControllerLoss, ASilentControllerLeavesTheStationRunningAndResponsive) {
    startPlantsim({"--silent"});
    startStation();
    ASSERT_TRUE(lineShows("Falha de Comunicação"));
    ASSERT_TRUE(runsOnFor(4));
    EXPECT_TRUE(station->running());
    EXPECT_EQ(station->status("state"), "Desligar");
    EXPECT_LT(station->number("longestStallMs"), frozenMs);
}

TEST_F(ControllerLoss, AControllerPulledAwayAndBackIsUsedAgainAndItsLossLoggedOnce) {
    startPlantsim();
    startStation();
    ASSERT_TRUE(answersUsed());

    plant->kill();
    // Its device goes with it: the stale link would lead to whatever pseudo-terminal takes its number,
    // another program's on a busy machine.
    std::filesystem::remove(link);
    ASSERT_TRUE(lineShows("Falha de Comunicação"));
    ASSERT_TRUE(eventually([&] { return station->status("reading1") == "0"; }, 30s));
    // Longer than the port's wait between two tries at opening the device again.
    ASSERT_TRUE(runsOnFor(5));
    EXPECT_TRUE(station->running());

    startPlantsim();
    EXPECT_TRUE(answersUsed());
    ASSERT_TRUE(runsOnFor(1));
    EXPECT_TRUE(station->running());
    EXPECT_LT(station->number("longestStallMs"), frozenMs);
    const Cell logged = SqliteFile(folder / "bdruntime.mdb")
                            .scalar("SELECT COUNT(*) FROM Tblerro WHERE Elemento = 'MSComm1'");
    EXPECT_EQ(logged.number, 1);
}

} // namespace usina::test
