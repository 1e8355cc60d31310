// A silent controller freezes nothing: reads still give 0 and "Falha de Comunicação", but no polling
// tick waits for more than one time-out, and a controller that answers again is heard within a cycle.

#include "tests/process/process_fixture.h"

#include <algorithm>

namespace usina::test {

namespace {

const plantsim::AnswerFaults silent{true, false, 0};

} // namespace

TEST_F(ProcessTest, WithTheControllerSilentNoPollingTickWaitsLongerThanOneTimeOut) {
    plantConfig.modelCode = 32; // three reads in phases 3 and 4
    start();
    link->setFaults(silent);
    polling().TimerXPhase = 0;
    const std::size_t before = traffic().size();
    double longest = 0;
    double waited = 0;
    for (int tick = 0; tick < 100; ++tick) {
        main().LblOcorrenc.setCaption("");
        const double t0 = clock.monotonicSeconds();
        pollOnce();
        const double took = clock.monotonicSeconds() - t0;
        longest = std::max(longest, took);
        waited += took;
        if (polling().TimerXPhase != 0) {
            EXPECT_EQ(main().LblOcorrenc.caption(), "Falha de Comunicação");
        }
        clock.advance(0.1);
    }
    EXPECT_LT(longest, 0.25);
    // The first read and a probe every 2 s wait their time-out; the others give up at once.
    EXPECT_LT(waited, 1.5);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(polling().SiloWeight[i], 0);
    }
    // Every request still goes out, in the phases' order.
    const std::vector<std::string> sent = trafficFrom(before);
    ASSERT_GE(sent.size(), 4u);
    EXPECT_EQ(sent[0], "R 10");
    EXPECT_EQ(sent[2], "R 14");
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "R 19"), 20);
}

TEST_F(ProcessTest, AControllerThatAnswersAgainIsUsedWithinOnePollingCycle) {
    plantConfig.weightNoise = 0;
    start();
    run(2);
    link->setFaults(silent);
    run(5);
    for (int i = 1; i <= 4; ++i) {
        ASSERT_EQ(polling().SiloWeight[i], 0);
    }
    link->setFaults({});
    // One cycle to hear the controller again, and one to read every register with it.
    run(1.0);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_GT(polling().SiloWeight[i], 0) << "silo " << i;
    }
    EXPECT_GT(polling().RecycledWeight, 0);
}

} // namespace usina::test
