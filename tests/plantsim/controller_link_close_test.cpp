// The last writes of a run reach a controller that was pulled away and is back, all of them, in order.

#include "tests/plantsim/link_on_pty.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>

namespace usina {
namespace {

using test::ControllerLinkOnPty;

// The writes of a plantsim log, in the order it received them.
std::vector<std::string> writesIn(const std::string& log) {
    std::vector<std::string> writes;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
        if (const auto at = line.find(" W "); at != std::string::npos) {
            writes.push_back(line.substr(at + 1));
        }
    }
    return writes;
}

std::array<RegisterWrite, 8> zeroOutputs() {
    std::array<RegisterWrite, 8> writes{};
    for (std::uint8_t address = 1; address <= 8; ++address) {
        writes[address - 1] = {address, 0};
    }
    return writes;
}

const std::vector<std::string> outputsAtZero = {"W 1 = 0", "W 2 = 0", "W 3 = 0", "W 4 = 0",
                                                "W 5 = 0", "W 6 = 0", "W 7 = 0", "W 8 = 0"};

TEST_F(ControllerLinkOnPty, TheWritesAtCloseReachAControllerThatCameBack) {
    const struct {
        const char* name;
        bool stationSawItGo; // a read failed while it was away, so the port waits to reopen
    } cases[] = {{"away while the station was idle", false}, {"away while the station polled", true}};
    int run = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = "before-" + std::to_string(run);
        const std::string after = "after-" + std::to_string(run++);
        startPlantsim({"--no-pace"}, before);
        ASSERT_EQ(link.readRegister(0), 50);
        link.writeRegister(1, 200);
        ASSERT_TRUE(logGetsLine(" W 1 = 200", before));

        plantsim->kill();
        if (c.stationSawItGo) {
            EXPECT_EQ(link.readRegister(10), std::nullopt);
            EXPECT_TRUE(link.takeFault().has_value());
        }
        startPlantsim({}, after);

        EXPECT_EQ(link.writeAndClose(zeroOutputs()), 8u);
        EXPECT_FALSE(link.isOpen());
        EXPECT_TRUE(logGetsLine(" W 8 = 0", after));
        EXPECT_EQ(writesIn(log(after)), outputsAtZero);
        plantsim.reset();
        link.takeFault();
    }
}

TEST_F(ControllerLinkOnPty, TheWritesAtCloseGoOutInOrderOnAHealthyLine) {
    startPlantsim({});
    link.writeRegister(6, 90);
    EXPECT_EQ(link.writeAndClose(zeroOutputs()), 8u);
    EXPECT_TRUE(logGetsLine(" W 8 = 0"));
    std::vector<std::string> expected = {"W 6 = 90"};
    expected.insert(expected.end(), outputsAtZero.begin(), outputsAtZero.end());
    EXPECT_EQ(writesIn(log()), expected);
    EXPECT_EQ(link.takeFault(), std::nullopt);
}

} // namespace
} // namespace usina
