// SerialPort's faults watched on the clock, with room for a busy machine: a device that is missing or
// gone fails at once instead of waiting out the time asked for, and a line that comes back is opened
// again after the reopen interval.

#include "tests/serial/port_on_pty.h"

#include <filesystem>
#include <thread>

namespace usina::serial {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Far less than the waits asked for below, far more than a loaded machine adds.
constexpr auto promptly = 2s;

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
    EXPECT_FALSE(port.waitReadable(10s));
    EXPECT_TRUE(port.readAvailable().empty());
    EXPECT_NO_THROW(port.discardInput());
    EXPECT_LT(Clock::now() - start, promptly);

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

    plantsim->kill();
    // The device goes with it: the stale link would lead to whatever pseudo-terminal takes its number.
    std::filesystem::remove(linkPath);
    const auto start = Clock::now();
    EXPECT_EQ(exchange(port, 10s), std::nullopt);
    EXPECT_LT(Clock::now() - start, promptly) << "a gone device must not wait out the read";
    const auto fault = port.takeFault();
    ASSERT_TRUE(fault.has_value());
    EXPECT_FALSE(port.isOpen());
    EXPECT_NO_THROW(port.send(readModelCode));
    EXPECT_EQ(exchange(port, 0ms), std::nullopt);
    EXPECT_EQ(port.takeFault(), std::nullopt);

    plantsim = startPlantsim(); // back under the same path
    std::optional<std::uint8_t> answer;
    const auto restarted = Clock::now();
    while (!answer && Clock::now() - restarted < 10s) {
        answer = exchange(port, 100ms);
        if (!answer) {
            std::this_thread::sleep_for(100ms); // a station's next polling tick
        }
    }
    EXPECT_EQ(answer, 50);
    EXPECT_LT(Clock::now() - restarted,
              std::chrono::duration<double>(SerialPort::reopenIntervalSeconds) + promptly);
    EXPECT_EQ(port.takeFault(), std::nullopt) << "the retries belong to the fault already reported";

    plantsim->kill();
    EXPECT_EQ(exchange(port), std::nullopt);
    EXPECT_TRUE(port.takeFault().has_value()) << "a new failure after recovery is a new fault";
}

} // namespace
} // namespace usina::serial
