// The station on the real serial path: its serial port on a pseudo-terminal, plantsim on the other end
// logging every frame.

#include "app/station_windows.h"
#include "core/databases.h"
#include "core/station.h"
#include "plant/controller/link.h"
#include "plant/form_ranvikv5.h"
#include "platform/forms/virtual_desktop.h"
#include "platform/serial/serial_port.h"
#include "platform/value/conversions.h"
#include "tests/support/eventually.h"
#include "tests/support/temporary_folder.h"
#include "tools/plantsim/launcher/plantsim_process.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>

namespace usina::test {

namespace {

std::vector<std::string> frameLines(const std::filesystem::path& log) {
    std::ifstream in(log);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        // "12.345678 W 3 = 0": drop the time stamp.
        lines.push_back(line.substr(line.find(' ') + 1));
    }
    return lines;
}

class StationOverPty : public ::testing::Test {
protected:
    StationOverPty() : desktop(clock) {
        for (const char* file :
             {"datranvik.mdb", "calranvik.mdb", "dat2.mdb", "idioma.mdb", "bdruntime.mdb"}) {
            folder.copyOfDelivered(file);
        }
    }

    void start(const std::vector<std::string>& plantsimArguments) {
        std::vector<std::string> arguments = plantsimArguments;
        arguments.insert(arguments.end(), {"--log", log.string()});
        plantsim = std::make_unique<plantsim::PlantsimProcess>(PLANTSIM_EXECUTABLE, link.string(), arguments);
        port = std::make_unique<serial::SerialPort>(link.string());
        station = std::make_unique<Station>(StationServices{clock, desktop, *port, folder.path(), {5, 1, 0}});
        registerStationWindows(*station);
        station->run();
    }

    TemporaryFolder folder;
    std::filesystem::path link = folder.path() / "ttyPLANT";
    std::filesystem::path log = folder.path() / "frames.log";
    // Windows on virtual time; the serial waits are real (poll on the pty).
    forms::VirtualClock clock;
    forms::VirtualDesktop desktop;
    std::unique_ptr<plantsim::PlantsimProcess> plantsim;
    std::unique_ptr<serial::SerialPort> port;
    std::unique_ptr<Station> station;
};

} // namespace

TEST_F(StationOverPty, TitleComesFromTheControllerAndClosingZeroesRegistersOneToEight) {
    start({"--model", "32"});
    FormRanvikv5& main = station->form<FormRanvikv5>();
    EXPECT_EQ(main.caption(), "Pellumv5.1.0-Usina de Asfalto");
    EXPECT_TRUE(station->group<Link>().HasFiveTemperatures);
    EXPECT_FALSE(main.GaugeTmp5.state().isGreyed());

    station->ws().closeByPerson(main);
    ASSERT_TRUE(station->ws().ended());
    // plantsim takes the frames at the pace of the line: wait for the eleventh.
    std::vector<std::string> lines;
    EXPECT_TRUE(eventually([&] {
        lines = frameLines(log);
        return lines.size() >= 11;
    }));
    plantsim->stop();
    ASSERT_GE(lines.size(), 11u);
    EXPECT_THAT(std::vector<std::string>(lines.begin(), lines.begin() + 3),
                ::testing::ElementsAre("R 0 -> 32", "R 0 -> 32", "R 0 -> 32"));
    EXPECT_THAT(std::vector<std::string>(lines.end() - 8, lines.end()),
                ::testing::ElementsAre("W 1 = 0", "W 2 = 0", "W 3 = 0", "W 4 = 0", "W 5 = 0", "W 6 = 0",
                                       "W 7 = 0", "W 8 = 0"));
}

TEST_F(StationOverPty, SilentControllerLeavesTheDesignTitleAndGreyedGaugesWithoutFreezing) {
    const auto before = std::chrono::steady_clock::now();
    start({"--silent"});
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count();
    FormRanvikv5& main = station->form<FormRanvikv5>();
    EXPECT_EQ(main.caption(), "Usina de Asfalto");
    EXPECT_TRUE(main.GaugeTmp4.state().isGreyed());
    EXPECT_EQ(main.LblOcorrenc.caption(), "Falha de Comunicação");
    // Three time-outs of 0,2 s and the start; a frozen start would never end. Real slack: the machine may
    // be busy, and the test runs alone (RUN_SERIAL).
    EXPECT_LT(seconds, 15.0);
}

TEST_F(StationOverPty, MissingDeviceStartsTheStationAndLogsTheFaultOnce) {
    port = std::make_unique<serial::SerialPort>((folder.path() / "no-such-tty").string());
    station = std::make_unique<Station>(StationServices{clock, desktop, *port, folder.path()});
    registerStationWindows(*station);
    station->run();
    ASSERT_FALSE(station->ws().ended());
    EXPECT_EQ(station->form<FormRanvikv5>().caption(), "Usina de Asfalto");
    int logged = 0;
    store::TableRecordset& errors = station->group<Databases>().ErrorLogRecordset;
    errors.moveFirst();
    // In Portuguese, the system's words included.
    EXPECT_EQ(toText(errors.field("Erro")),
              (folder.path() / "no-such-tty").string() +
                  ": não foi possível abrir a porta serial: arquivo ou diretório inexistente");
    while (!errors.eof()) {
        ++logged;
        errors.moveNext();
    }
    EXPECT_EQ(logged, 1);
}

} // namespace usina::test
