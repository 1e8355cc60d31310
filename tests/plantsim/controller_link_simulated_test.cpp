// The controller link's transactions against the in-process controller, on a virtual clock.

#include "plant/link/controller_link.h"
#include "tools/plantsim/simulated_link.h"

#include <gtest/gtest.h>

#include <chrono>

namespace usina {
namespace {

using plantsim::AnswerFaults;
using plantsim::Frame;

class ControllerLinkOnSimulator : public ::testing::Test {
protected:
    static plantsim::PlantModelConfig quietPlant() {
        plantsim::PlantModelConfig config;
        config.modelCode = 32;
        config.bedLevel = {120, 100, 80, 60, 40};
        config.weightNoise = 0;
        return config;
    }

    ControllerLinkOnSimulator() {
        simulator.onIdleWait = [this](std::chrono::microseconds wait) {
            ++idleWaits;
            now += static_cast<double>(wait.count()) / 1e6;
        };
        link.open();
    }

    double now = 1000.0;
    int idleWaits = 0;
    plantsim::PlantModelConfig config = quietPlant();
    plantsim::PlantModel model{config};
    plantsim::SimulatedLink simulator{model, [this] { return now; }};
    ControllerLink link{simulator, [this] { return now; }};
};

TEST_F(ControllerLinkOnSimulator, AReadSendsItsFrameAndReturnsTheRegisterWithoutWaiting) {
    EXPECT_EQ(link.readRegister(0), 32);
    EXPECT_EQ(link.readRegister(11), 100);
    EXPECT_EQ(link.readRegister(14), 40);
    EXPECT_EQ(idleWaits, 0);
    EXPECT_EQ(now, 1000.0);
    const std::vector<Frame> expected{
        {Frame::Kind::Read, 0, 0}, {Frame::Kind::Read, 11, 0}, {Frame::Kind::Read, 14, 0}};
    EXPECT_EQ(simulator.frames(), expected);
}

TEST_F(ControllerLinkOnSimulator, AWriteSendsItsFrameAndReadsNothing) {
    link.writeRegister(3, 120);
    link.writeRegister(32, 7);
    const std::vector<Frame> expected{{Frame::Kind::Write, 3, 120}, {Frame::Kind::Write, 32, 7}};
    EXPECT_EQ(simulator.frames(), expected);
    EXPECT_EQ(model.beltSpeed(3), 120);
    EXPECT_EQ(model.written(32), 7);
}

TEST_F(ControllerLinkOnSimulator, ASilentControllerTimesOutJustOverTheTimeOutOnTheGivenClock) {
    simulator.setFaults(AnswerFaults{.silent = true});
    const auto realStart = std::chrono::steady_clock::now();
    for (int read = 1; read <= 3; ++read) {
        const double start = now;
        EXPECT_EQ(link.readRegister(10), std::nullopt);
        EXPECT_GT(now - start, ControllerLink::readTimeoutSeconds);
        EXPECT_LT(now - start, ControllerLink::readTimeoutSeconds + 0.001);
    }
    EXPECT_EQ(idleWaits, 3) << "one wait for the whole time-out, no polling";
    // Waited for real, the three time-outs would take longer than this, however busy the machine.
    EXPECT_LT(std::chrono::steady_clock::now() - realStart,
              std::chrono::duration<double>(3 * ControllerLink::readTimeoutSeconds));
}

TEST_F(ControllerLinkOnSimulator, AWaitThatEndsEarlyWaitsOnlyForWhatIsLeft) {
    simulator.setFaults(AnswerFaults{.silent = true});
    std::vector<std::chrono::microseconds> waits;
    simulator.onIdleWait = [&](std::chrono::microseconds wait) {
        waits.push_back(wait);
        now += 0.15; // the wait ends before its time, as a signal would end it
    };
    EXPECT_EQ(link.readRegister(10), std::nullopt);
    ASSERT_EQ(waits.size(), 2U);
    EXPECT_EQ(waits[0], std::chrono::microseconds(200'001));
    EXPECT_NEAR(static_cast<double>(waits[1].count()), 50'001, 1);
}

TEST_F(ControllerLinkOnSimulator, ASecondAnswerByteIsDiscardedBeforeTheNextRead) {
    simulator.setFaults(AnswerFaults{.doubleAnswer = true});
    EXPECT_EQ(link.readRegister(10), 120);
    simulator.setFaults({});
    EXPECT_EQ(link.readRegister(14), 40);
}

TEST_F(ControllerLinkOnSimulator, BytesArrivingBetweenTransactionsAreDiscarded) {
    EXPECT_EQ(link.readRegister(10), 120);
    const std::uint8_t noise[] = {0xEE, 0x00, 'R'};
    simulator.injectInput(noise);
    link.writeRegister(1, 50);
    EXPECT_EQ(link.readRegister(12), 80);
}

TEST_F(ControllerLinkOnSimulator, AStrayByteBetweenRequestAndAnswerIsTakenAsTheAnswer) {
    // The protocol has no framing: the first byte after a request is its answer.
    simulator.setFaults(AnswerFaults{.strayBytes = 2});
    EXPECT_EQ(link.readRegister(10), plantsim::strayByte);
    simulator.setFaults({});
    EXPECT_EQ(link.readRegister(10), 120);
}

TEST_F(ControllerLinkOnSimulator, AClosedPortEndsReadsAtOnceAndDropsWrites) {
    link.close();
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(link.readRegister(10), std::nullopt);
    link.writeRegister(1, 200);
    EXPECT_EQ(idleWaits, 0);
    EXPECT_EQ(now, 1000.0);
    EXPECT_TRUE(simulator.frames().empty());
    EXPECT_EQ(link.takeFault(), std::nullopt);
    link.open();
    EXPECT_EQ(link.readRegister(10), 120);
}

TEST_F(ControllerLinkOnSimulator, AClockThatDoesNotMoveEndsTheReadInsteadOfHanging) {
    simulator.setFaults(AnswerFaults{.silent = true});
    simulator.onIdleWait = nullptr;
    EXPECT_EQ(link.readRegister(10), std::nullopt);
}

TEST_F(ControllerLinkOnSimulator, ThePlantModelRunsOnTheSimulatorsTimeSource) {
    model.write(1, 100);
    simulator.setFaults(AnswerFaults{.silent = true});
    for (int read = 0; read < 1000; ++read) { // 200 s of time-outs
        link.readRegister(15);
    }
    simulator.setFaults({});
    EXPECT_EQ(link.readRegister(15), config.temperatureSetPoint[0]);
}

} // namespace
} // namespace usina
