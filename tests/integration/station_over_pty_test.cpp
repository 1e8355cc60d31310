// The station on the real serial path: its serial port on a pseudo-terminal, plantsim on the other end
// logging every frame.

#include "app/station_windows.h"
#include "core/databases.h"
#include "core/station.h"
#include "plant/controller/link.h"
#include "plant/form_ranvikv5.h"
#include "plant/polling_state.h"
#include "platform/forms/virtual_desktop.h"
#include "platform/serial/serial_port.h"
#include "platform/value/conversions.h"
#include "tests/support/eventually.h"
#include "tests/support/temporary_folder.h"
#include "tools/plantsim/launcher/plantsim_process.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
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

// The last answer plantsim gave to each register read ("R 14 -> 121"); a lost one ("R 10 -> silent")
// is no answer.
std::map<int, int> lastAnswers(const std::vector<std::string>& lines) {
    std::map<int, int> answers;
    for (const std::string& line : lines) {
        int address = 0;
        int value = 0;
        if (std::sscanf(line.c_str(), "R %d -> %d", &address, &value) == 2) {
            answers[address] = value;
        }
    }
    return answers;
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

    // One tick of the polling timer per phase, from phase 1 (the timer itself does not run on
    // virtual time).
    void pollFromPhaseOne(int ticks) {
        station->group<PollingState>().TimerXPhase = 0;
        for (int tick = 0; tick < ticks; ++tick) {
            station->form<FormRanvikv5>().TimerX_Timer();
        }
    }

    // Each belt scale and temperature channel holds the last answer the controller gave it (the
    // averaging counts are 1); `channels` is 3, or 5 on a controller with five temperature inputs.
    void expectReadingsAreTheLastAnswers(int channels) {
        const PollingState& polling = station->group<PollingState>();
        const std::map<int, int> answers = lastAnswers(frameLines(log));
        for (int silo = 1; silo <= 5; ++silo) {
            ASSERT_TRUE(answers.contains(9 + silo)) << "silo " << silo;
            EXPECT_EQ(polling.SiloReadingRing[silo][0], answers.at(9 + silo)) << "silo " << silo;
        }
        for (int channel = 1; channel <= channels; ++channel) {
            ASSERT_TRUE(answers.contains(14 + channel)) << "channel " << channel;
            EXPECT_EQ(polling.TempReadingRing[channel][0], answers.at(14 + channel)) << "channel " << channel;
        }
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

TEST_F(StationOverPty, OneLostAnswerCostsOnlyItsOwnReading) {
    start({"--drop-answer", "10@1"});
    FormRanvikv5& main = station->form<FormRanvikv5>();
    const PollingState& polling = station->group<PollingState>();
    // Phase 1: the answer to silo 1 is lost; silo 5 is read in the same tick.
    pollFromPhaseOne(1);
    EXPECT_EQ(polling.SiloReadingRing[1][0], 0);
    EXPECT_EQ(main.LblOcorrenc.caption(), "Falha de Comunicação");
    const std::map<int, int> answers = lastAnswers(frameLines(log));
    ASSERT_TRUE(answers.contains(14));
    EXPECT_EQ(polling.SiloReadingRing[5][0], answers.at(14));
    // And the whole next cycle, silo 1 again included.
    pollFromPhaseOne(6);
    expectReadingsAreTheLastAnswers(3);
    const std::vector<std::string> lines = frameLines(log);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "R 10 -> silent"), 1);
}

TEST_F(StationOverPty, ALostAnswerToTheFirstModelReadStillGivesTheModel) {
    start({"--model", "32", "--drop-answer", "0@1"});
    FormRanvikv5& main = station->form<FormRanvikv5>();
    EXPECT_EQ(main.caption(), "Pellumv5.1.0-Usina de Asfalto");
    EXPECT_TRUE(station->group<Link>().HasFiveTemperatures);
    EXPECT_FALSE(main.GaugeTmp4.state().isGreyed());
    EXPECT_FALSE(main.GaugeTmp5.state().isGreyed());
    const std::vector<std::string> lines = frameLines(log);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_THAT(std::vector<std::string>(lines.begin(), lines.begin() + 3),
                ::testing::ElementsAre("R 0 -> silent", "R 0 -> 32", "R 0 -> 32"));
    // Temperatures 4 and 5 are polled and shown.
    pollFromPhaseOne(5);
    expectReadingsAreTheLastAnswers(5);
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
