// The controller link over the real serial path: what goes over the wire and what comes back. How long
// it takes is measured by bench_link and bench_wire; the tests that watch the clock are in clock/.

#include "tests/plantsim/link_on_pty.h"
#include "tools/plantsim/controller_responder.h"

#include <gtest/gtest.h>

namespace usina {
namespace {

using test::ControllerLinkOnPty;
using test::eventually;
using test::monotonicSeconds;

TEST_F(ControllerLinkOnPty, AReadTakesAtLeastTheWireTimeOfItsFourBytesAndAWriteIsLoggedAsSent) {
    startPlantsim({"--model", "32"});
    EXPECT_EQ(link.readRegister(0), 32); // the first read also lets the line settle
    const double start = monotonicSeconds();
    EXPECT_EQ(link.readRegister(0), 32);
    EXPECT_GE(monotonicSeconds() - start, 4 * 10.0 / 4800);

    link.writeRegister(3, 120);
    link.writeRegister(32, 0);
    EXPECT_TRUE(logGetsLine(" W 3 = 120"));
    EXPECT_TRUE(logGetsLine(" W 32 = 0"));
    EXPECT_NE(log().find(" R 0 -> 32\n"), std::string::npos);
}

TEST_F(ControllerLinkOnPty, PlantsimRunsItsModelAsConfiguredOnItsCommandLine) {
    startPlantsim({"--model", "37", "--empty-silo", "2@0", "--seed", "7", "--no-pace"});
    EXPECT_EQ(link.readRegister(0), 37);
    // Silo 2 ran empty at the start: its belt scale falls as the bed drains off the belt.
    EXPECT_TRUE(eventually([&] { return link.readRegister(11).value_or(255) < 60; }));
    const auto full = link.readRegister(10);
    ASSERT_TRUE(full);
    EXPECT_NEAR(*full, 120, 2);
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
    // The second byte comes one byte time after the first, between this read and the next (unless the
    // first read was held up long enough to take both).
    port.waitReadable(std::chrono::seconds(2));
    EXPECT_EQ(link.readRegister(15), 15); // ambient temperature, not the model code
    EXPECT_NE(log().find(" R 0 -> 50 50\n"), std::string::npos);
}

TEST_F(ControllerLinkOnPty, StrayBytesBeforeTheAnswerAreTakenAsTheAnswer) {
    startPlantsim({"--stray", "2", "--no-pace"});
    EXPECT_EQ(link.readRegister(0), plantsim::strayByte);
    EXPECT_TRUE(logGetsLine(" R 0 -> 238 238 50"));
}

// The read gives up at once rather than waiting out its time-out: it asks the clock only to start.
TEST_F(ControllerLinkOnPty, AMissingDeviceIsReportedOnceAndReadsAndWritesFailQuietly) {
    serial::SerialPort missing("/nonexistent/ttyS0");
    int clockReadings = 0;
    ControllerLink absent(missing, [&] {
        ++clockReadings;
        return monotonicSeconds();
    });
    EXPECT_NO_THROW(absent.open());
    EXPECT_FALSE(absent.isOpen());
    const auto fault = absent.takeFault();
    ASSERT_TRUE(fault.has_value());
    EXPECT_NE(fault->find("/nonexistent/ttyS0"), std::string::npos) << *fault;
    EXPECT_EQ(absent.readRegister(10), std::nullopt);
    EXPECT_LE(clockReadings, 2);
    EXPECT_NO_THROW(absent.writeRegister(1, 100));
    EXPECT_EQ(absent.takeFault(), std::nullopt);
}

} // namespace
} // namespace usina
