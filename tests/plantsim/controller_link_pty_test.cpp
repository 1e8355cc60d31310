// The controller link over the real serial path: SerialPort on the plantsim program's pseudo-terminal,
// paced like the 4800-baud line unless a test says otherwise.

#include "plant/link/controller_link.h"
#include "platform/serial/serial_port.h"
#include "tools/plantsim/controller_responder.h"
#include "tools/plantsim/launcher/plantsim_process.h"
#include "tests/support/temporary_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

namespace usina {
namespace {

using namespace std::chrono_literals;

double monotonicSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double processCpuSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

class ControllerLinkOnPty : public ::testing::Test {
protected:
    void startPlantsim(std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), {"--log", logPath});
        plantsim = std::make_unique<plantsim::PlantsimProcess>(PLANTSIM_EXECUTABLE, linkPath, arguments);
        link.open();
        ASSERT_TRUE(link.isOpen()) << link.takeFault().value_or("");
    }

    std::string log() const {
        std::ifstream file(logPath);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    // plantsim logs a frame once it has had the wire time to arrive.
    bool logGetsLine(const std::string& line) const {
        const auto deadline = std::chrono::steady_clock::now() + 2s;
        while (std::chrono::steady_clock::now() < deadline) {
            if (log().find(line + "\n") != std::string::npos) {
                return true;
            }
            std::this_thread::sleep_for(5ms);
        }
        return false;
    }

    test::TemporaryFolder folder;
    std::string linkPath = (folder.path() / "ttyPLANT").string();
    std::string logPath = (folder.path() / "plantsim.log").string();
    std::unique_ptr<plantsim::PlantsimProcess> plantsim;
    serial::SerialPort port{linkPath};
    ControllerLink link{port, monotonicSeconds};
};

TEST_F(ControllerLinkOnPty, AReadTakesTheWireTimeOfItsFourBytesAndAWriteIsLoggedAsSent) {
    startPlantsim({"--model", "32"});
    EXPECT_EQ(link.readRegister(0), 32); // the first read also lets the line settle
    const double start = monotonicSeconds();
    EXPECT_EQ(link.readRegister(0), 32);
    const double elapsed = monotonicSeconds() - start;
    EXPECT_GE(elapsed, 4 * 10.0 / 4800);
    EXPECT_LT(elapsed, 4 * 10.0 / 4800 + 0.005);

    link.writeRegister(3, 120);
    link.writeRegister(32, 0);
    EXPECT_TRUE(logGetsLine(" W 3 = 120"));
    EXPECT_TRUE(logGetsLine(" W 32 = 0"));
    EXPECT_NE(log().find(" R 0 -> 32\n"), std::string::npos);
}

TEST_F(ControllerLinkOnPty, PlantsimRunsItsModelAsConfiguredOnItsCommandLine) {
    startPlantsim({"--model", "37", "--empty-silo", "2@0", "--seed", "7", "--no-pace"});
    EXPECT_EQ(link.readRegister(0), 37);
    std::this_thread::sleep_for(1200ms);
    const auto full = link.readRegister(10);
    const auto draining = link.readRegister(11);
    ASSERT_TRUE(full && draining);
    EXPECT_NEAR(*full, 120, 2);
    EXPECT_LT(*draining, 60);
}

TEST_F(ControllerLinkOnPty, WritesJustBeforeClosingStillReachTheController) {
    startPlantsim({});
    for (int round = 0; round < 5; ++round) {
        for (std::uint8_t address = 1; address <= 8; ++address) {
            link.writeRegister(address, static_cast<std::uint8_t>(round));
        }
        link.close();
        link.open(); // a station started again at once
        EXPECT_TRUE(logGetsLine(" W 8 = " + std::to_string(round))) << "round " << round;
    }
}

TEST_F(ControllerLinkOnPty, ASecondAnswerByteArrivingAfterTheReadIsDiscardedByTheNextRead) {
    startPlantsim({"--double-answer", "--model", "50"});
    EXPECT_EQ(link.readRegister(0), 50);
    // The second byte comes one byte time after the first, between this read and the next.
    std::this_thread::sleep_for(10ms);
    EXPECT_EQ(link.readRegister(15), 15); // ambient temperature, not the model code
    EXPECT_NE(log().find(" R 0 -> 50 50\n"), std::string::npos);
}

TEST_F(ControllerLinkOnPty, StrayBytesBeforeTheAnswerAreTakenAsTheAnswer) {
    startPlantsim({"--stray", "2", "--no-pace"});
    EXPECT_EQ(link.readRegister(0), plantsim::strayByte);
    EXPECT_TRUE(logGetsLine(" R 0 -> 238 238 50"));
}

TEST_F(ControllerLinkOnPty, ASilentControllerTimesOutJustOverTheTimeOutWithoutUsingTheProcessor) {
    startPlantsim({"--silent"});
    const double cpuStart = processCpuSeconds();
    for (int read = 0; read < 3; ++read) {
        const double start = monotonicSeconds();
        EXPECT_EQ(link.readRegister(10), std::nullopt);
        const double elapsed = monotonicSeconds() - start;
        EXPECT_GT(elapsed, ControllerLink::readTimeoutSeconds);
        EXPECT_LT(elapsed, ControllerLink::readTimeoutSeconds + 0.02);
    }
    EXPECT_LT(processCpuSeconds() - cpuStart, 0.03);
    EXPECT_LT(plantsim->cpuSeconds(), 0.05);
    EXPECT_EQ(link.takeFault(), std::nullopt);
}

TEST_F(ControllerLinkOnPty, AMissingDeviceIsReportedOnceAndReadsAndWritesFailQuietly) {
    serial::SerialPort missing("/nonexistent/ttyS0");
    ControllerLink absent(missing, monotonicSeconds);
    EXPECT_NO_THROW(absent.open());
    EXPECT_FALSE(absent.isOpen());
    const auto fault = absent.takeFault();
    ASSERT_TRUE(fault.has_value());
    EXPECT_NE(fault->find("/nonexistent/ttyS0"), std::string::npos) << *fault;
    const double start = monotonicSeconds();
    EXPECT_EQ(absent.readRegister(10), std::nullopt);
    EXPECT_NO_THROW(absent.writeRegister(1, 100));
    EXPECT_LT(monotonicSeconds() - start, 0.01);
    EXPECT_EQ(absent.takeFault(), std::nullopt);
}

} // namespace
} // namespace usina
