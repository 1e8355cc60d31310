// The controller link's waits over the real serial path, watched on the clock with room for a busy
// machine: a silent controller's read ends after its time-out, and a controller that stays away holds
// the close no longer than its bound; both wait without using the processor. The figures themselves are
// measured by bench_wire.

#include "tests/plantsim/link_on_pty.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <sys/resource.h>

namespace usina {
namespace {

using test::ControllerLinkOnPty;
using test::monotonicSeconds;

// Slack for a loaded machine; a wait that spins or never ends is still far outside it.
constexpr double slackSeconds = 1.0;

double processCpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A wait that polls in a loop uses the processor for most of the time it waits, even when it shares a
// busy machine; one that sleeps in the kernel uses next to none.
constexpr double waitingCpuShare = 0.25;

TEST_F(ControllerLinkOnPty, ASilentControllerTimesOutAfterTheTimeOutWithoutUsingTheProcessor) {
    startPlantsim({"--silent"});
    const double cpuStart = processCpuSeconds();
    const double plantsimCpuStart = plantsim->cpuSeconds();
    const double start = monotonicSeconds();
    for (int read = 0; read < 3; ++read) {
        const double readStart = monotonicSeconds();
        EXPECT_EQ(link.readRegister(10), std::nullopt);
        const double elapsed = monotonicSeconds() - readStart;
        EXPECT_GT(elapsed, ControllerLink::readTimeoutSeconds);
        EXPECT_LT(elapsed, ControllerLink::readTimeoutSeconds + slackSeconds);
    }
    const double waited = monotonicSeconds() - start;
    EXPECT_LT(processCpuSeconds() - cpuStart, waitingCpuShare * waited);
    EXPECT_LT(plantsim->cpuSeconds() - plantsimCpuStart, waitingCpuShare * waited);
    EXPECT_EQ(link.takeFault(), std::nullopt);
}

TEST_F(ControllerLinkOnPty, AControllerThatStaysAwayHoldsTheCloseForItsBoundAndNoLonger) {
    startPlantsim({"--no-pace"});
    ASSERT_EQ(link.readRegister(0), 50);
    plantsim->kill();
    // Its device goes with it: the stale link would lead to whatever pseudo-terminal takes its number.
    std::filesystem::remove(linkPath);
    std::array<RegisterWrite, 8> zeros{};
    for (std::uint8_t address = 1; address <= 8; ++address) {
        zeros[address - 1] = {address, 0};
    }
    const double cpuStart = processCpuSeconds();
    const double start = monotonicSeconds();
    EXPECT_EQ(link.writeAndClose(zeros), 0u);
    const double elapsed = monotonicSeconds() - start;
    const double bound = std::chrono::duration<double>(ControllerLink::closingBound).count();
    EXPECT_GE(elapsed, bound) << "it gives a controller coming back the whole bound";
    EXPECT_LT(elapsed, bound + slackSeconds);
    EXPECT_LT(processCpuSeconds() - cpuStart, waitingCpuShare * elapsed);
    EXPECT_FALSE(link.isOpen());
    EXPECT_TRUE(link.takeFault().has_value());
}

} // namespace
} // namespace usina
