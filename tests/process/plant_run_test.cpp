// Ten minutes of the plant running against the simulated plant: every silo's flow settles on its share
// of the rate the operator set.

#include "tests/process/process_fixture.h"

#include <array>

namespace usina::test {

TEST_F(ProcessTest, InTenMinutesEverySilosFlowSettlesWithin2PercentOfItsShareOfTheRate) {
    startRunnablePlant();
    run(540);

    std::array<double, 6> sum{};
    int samples = 0;
    for (; samples < 600; ++samples) {
        run(0.1);
        for (int i = 1; i <= 4; ++i) {
            sum[static_cast<std::size_t>(i)] += process().SiloFlow[i];
        }
        sum[5] += process().RecycledFlow;
    }

    // The recycled silo gives its share of the rate less its malteno; the virgin aggregate is the rest.
    const double rate = 100;
    const double malteno = mix().MaltenoPercent;
    const double recycled = rate * (mix().SiloPercent[5] - mix().SiloPercent[5] * malteno / 100) / 100;
    const double aggregate = rate - recycled * 100 / (100 - malteno);
    for (int i = 1; i <= 5; ++i) {
        const double share = i <= 4 ? aggregate * mix().SiloPercent[i] / 100 : recycled;
        const double mean = sum[static_cast<std::size_t>(i)] / samples;
        EXPECT_NEAR(mean, share, 0.02 * share) << "silo " << i;
        EXPECT_GT(plant->beltSpeed(i), 0) << "silo " << i;
    }
    EXPECT_EQ(database("bdruntime.mdb").scalar("SELECT COUNT(*) FROM Tblerro").number, 0);
}

} // namespace usina::test
