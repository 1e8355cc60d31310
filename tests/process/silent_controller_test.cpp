// A silent controller freezes nothing: reads still give 0 and "Falha de Comunicação", but once the line
// is found silent no polling tick waits for more than one time-out, and a controller that answers again
// is heard within a cycle.

#include "tests/process/process_fixture.h"

#include <algorithm>

namespace usina::test {

namespace {

const plantsim::AnswerFaults silent{true, false, 0};

} // namespace

TEST_F(ProcessTest, OnceTheControllerIsFoundSilentNoPollingTickWaitsLongerThanOneTimeOut) {
    plantConfig.modelCode = 32; // three reads in phases 3 and 4
    start();
    link->setFaults(silent);
    polling().TimerXPhase = 2;
    const std::size_t before = traffic().size();
    double first = 0;
    double longest = 0;
    double waited = 0;
    for (int tick = 0; tick < 100; ++tick) {
        main().LblOcorrenc.setCaption("");
        const double t0 = clock.monotonicSeconds();
        pollOnce();
        const double took = clock.monotonicSeconds() - t0;
        if (tick == 0) {
            first = took;
        } else {
            longest = std::max(longest, took);
        }
        waited += took;
        if (polling().TimerXPhase != 0) {
            EXPECT_EQ(main().LblOcorrenc.caption(), "Falha de Comunicação");
        }
        clock.advance(0.1);
    }
    // A single time-out is no silence: the tick that finds the line silent waits out two of its three
    // reads; every tick after it, one time-out at most.
    EXPECT_GT(first, 0.4);
    EXPECT_LT(first, 0.45);
    EXPECT_LT(longest, 0.25);
    // Those two and a probe every 2 s wait their time-out; the others give up at once.
    EXPECT_LT(waited, 1.7);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(polling().SiloWeight[i], 0);
    }
    // Every request still goes out, in the phases' order.
    const std::vector<std::string> sent = trafficFrom(before);
    ASSERT_GE(sent.size(), 5u);
    EXPECT_EQ(sent[0], "R 12");
    EXPECT_EQ(sent[3], "R 16");
    EXPECT_EQ(sent[4], "R 19");
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
