// SerialPort on a real pseudo-terminal: the plantsim program at the other end, run as a child process.

#include "platform/serial/serial_port.h"
#include "tools/plantsim/launcher/plantsim_process.h"
#include "tests/support/temporary_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace usina::serial {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

const std::vector<std::uint8_t> readModelCode{'R', 0x00, 0};

class SerialPortOnPty : public ::testing::Test {
protected:
    std::unique_ptr<plantsim::PlantsimProcess> startPlantsim(std::vector<std::string> arguments = {
                                                                 "--no-pace"}) {
        return std::make_unique<plantsim::PlantsimProcess>(PLANTSIM_EXECUTABLE, linkPath, arguments);
    }

    // Sends a read of the model code and returns the answer, or nullopt when none comes within `wait`.
    static std::optional<std::uint8_t> exchange(SerialPort& port, std::chrono::microseconds wait = 200ms) {
        port.discardInput();
        port.send(readModelCode);
        if (!port.waitReadable(wait)) {
            return std::nullopt;
        }
        const auto received = port.readAvailable();
        return received.empty() ? std::nullopt : std::optional(received.front());
    }

    test::TemporaryFolder folder;
    std::string linkPath = (folder.path() / "ttyPLANT").string();
};

TEST_F(SerialPortOnPty, OpensTheLineRaw4800EightNoneOne) {
    const auto plantsim = startPlantsim();
    SerialPort port(linkPath);
    port.open();
    ASSERT_TRUE(port.isOpen()) << port.takeFault().value_or("");
    EXPECT_EQ(exchange(port), 50);

    const int observer = ::open(plantsim->slavePath().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(observer, 0);
    termios settings{};
    ASSERT_EQ(::tcgetattr(observer, &settings), 0);
    ::close(observer);
    EXPECT_EQ(::cfgetospeed(&settings), B4800);
    EXPECT_EQ(::cfgetispeed(&settings), B4800);
    EXPECT_EQ(settings.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), static_cast<tcflag_t>(CS8));
    EXPECT_EQ(settings.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
    EXPECT_EQ(settings.c_lflag & (ICANON | ECHO | ISIG), 0U);
    EXPECT_EQ(settings.c_iflag & (IXON | IXOFF | ICRNL | ISTRIP), 0U);
    EXPECT_EQ(settings.c_oflag & OPOST, 0U);
    EXPECT_EQ(settings.c_cc[VMIN], 0);
    EXPECT_EQ(settings.c_cc[VTIME], 0);
}

TEST_F(SerialPortOnPty, DiscardInputDropsWhatIsWaiting) {
    const auto plantsim = startPlantsim();
    SerialPort port(linkPath);
    port.open();
    port.send(readModelCode);
    port.send(readModelCode);
    ASSERT_TRUE(port.waitReadable(200ms));
    std::this_thread::sleep_for(20ms);
    port.discardInput();
    EXPECT_FALSE(port.waitReadable(50ms));
    EXPECT_TRUE(port.readAvailable().empty());
}

TEST_F(SerialPortOnPty, ASecondPortOnTheSameLineIsRefusedUntilTheFirstCloses) {
    const auto plantsim = startPlantsim();
    SerialPort first(linkPath);
    first.open();
    ASSERT_TRUE(first.isOpen());
    SerialPort second(linkPath);
    second.open();
    EXPECT_FALSE(second.isOpen());
    const auto fault = second.takeFault();
    ASSERT_TRUE(fault.has_value());
    EXPECT_NE(fault->find("in use"), std::string::npos) << *fault;
    EXPECT_EQ(exchange(first), 50);

    first.close();
    second.open();
    EXPECT_TRUE(second.isOpen()) << second.takeFault().value_or("");
    EXPECT_EQ(exchange(second), 50);
}

TEST_F(SerialPortOnPty, AStationThatClosesAndReopensTheLineCarriesOnAndLeavesPlantsimIdle) {
    const auto plantsim = startPlantsim();
    SerialPort port(linkPath);
    for (int round = 0; round < 3; ++round) {
        port.open();
        EXPECT_EQ(exchange(port), 50) << "round " << round;
        port.close();
        EXPECT_FALSE(port.isOpen());
    }
    const double cpuBefore = plantsim->cpuSeconds();
    std::this_thread::sleep_for(500ms);
    EXPECT_LT(plantsim->cpuSeconds() - cpuBefore, 0.03) << "plantsim spins with no station on the line";
    EXPECT_EQ(port.takeFault(), std::nullopt);
}

TEST_F(SerialPortOnPty, AMissingDeviceIsReportedOnceAndTheClosedPortFailsAtOnce) {
    SerialPort port("/nonexistent");
    EXPECT_NO_THROW(port.open());
    EXPECT_FALSE(port.isOpen());
    const auto fault = port.takeFault();
    ASSERT_TRUE(fault.has_value());
    EXPECT_NE(fault->find("/nonexistent"), std::string::npos) << *fault;
    EXPECT_EQ(port.takeFault(), std::nullopt);

    const auto start = Clock::now();
    EXPECT_NO_THROW(port.send(readModelCode));
    EXPECT_FALSE(port.waitReadable(1s));
    EXPECT_TRUE(port.readAvailable().empty());
    EXPECT_NO_THROW(port.discardInput());
    EXPECT_LT(Clock::now() - start, 10ms);

    // The retries after the reopen interval fail again, but it is the same fault.
    std::this_thread::sleep_for(std::chrono::duration<double>(SerialPort::reopenIntervalSeconds + 0.1));
    EXPECT_FALSE(port.waitReadable(0ms));
    EXPECT_EQ(port.takeFault(), std::nullopt);
}

TEST_F(SerialPortOnPty, ALineThatVanishesIsReportedOnceAndTheSameLinkPathIsReopenedWhenItComesBack) {
    auto plantsim = startPlantsim();
    SerialPort port(linkPath);
    port.open();
    ASSERT_EQ(exchange(port), 50);

    plantsim->kill(); // its link is left behind, pointing to a terminal that is gone
    const auto start = Clock::now();
    EXPECT_EQ(exchange(port), std::nullopt);
    EXPECT_LT(Clock::now() - start, 50ms) << "a gone device must not wait out the read";
    const auto fault = port.takeFault();
    ASSERT_TRUE(fault.has_value());
    EXPECT_FALSE(port.isOpen());
    EXPECT_NO_THROW(port.send(readModelCode));
    EXPECT_EQ(exchange(port), std::nullopt);
    EXPECT_EQ(port.takeFault(), std::nullopt);

    plantsim = startPlantsim(); // replaces the stale link
    std::optional<std::uint8_t> answer;
    const auto restarted = Clock::now();
    while (!answer && Clock::now() - restarted < 5s) {
        answer = exchange(port, 100ms);
        if (!answer) {
            std::this_thread::sleep_for(100ms); // a station's next polling tick
        }
    }
    EXPECT_EQ(answer, 50);
    EXPECT_LT(Clock::now() - restarted,
              std::chrono::duration<double>(SerialPort::reopenIntervalSeconds + 0.5));
    EXPECT_EQ(port.takeFault(), std::nullopt) << "the retries belong to the fault already reported";

    plantsim->kill();
    EXPECT_EQ(exchange(port), std::nullopt);
    EXPECT_TRUE(port.takeFault().has_value()) << "a new failure after recovery is a new fault";
}

TEST_F(SerialPortOnPty, PlantsimEndsCleanlyOnSigtermAndTakesItsLinkAway) {
    auto plantsim = startPlantsim();
    EXPECT_TRUE(std::filesystem::is_symlink(linkPath));
    EXPECT_EQ(plantsim->stop(), 0);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(linkPath)));
}

} // namespace
} // namespace usina::serial
