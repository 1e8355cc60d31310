#include "tools/plantsim/plant_model.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace usina::plantsim {
namespace {

constexpr std::uint8_t weightOf(int silo) {
    return static_cast<std::uint8_t>(PlantModel::firstWeightAddress + silo - 1);
}
constexpr std::uint8_t temperatureOf(int channel) {
    return static_cast<std::uint8_t>(PlantModel::firstTemperatureAddress + channel - 1);
}

// Reads every register of the read map once at each of the given times.
std::vector<int> readingsOver(PlantModel& model, double from, double to, double step) {
    std::vector<int> readings;
    for (double t = from; t <= to; t += step) {
        model.advanceTo(t);
        for (std::uint8_t address = 0; address < 20; ++address) {
            readings.push_back(model.read(address));
        }
    }
    return readings;
}

TEST(PlantModel, AnswersTheConfiguredModelCodeAndZeroOutsideTheReadMap) {
    for (const std::uint8_t code : {32, 31, 50, 37, 38}) {
        PlantModelConfig config;
        config.modelCode = code;
        PlantModel model(config);
        EXPECT_EQ(model.read(0), code);
    }
    PlantModel model;
    model.write(3, 200);
    for (const std::uint8_t address : {1, 3, 9, 20, 32, 255}) {
        EXPECT_EQ(model.read(address), 0) << int(address);
    }
}

TEST(PlantModel, KeepsWhatIsWrittenToTheOutputRegisters) {
    PlantModel model;
    const std::vector<std::pair<std::uint8_t, std::uint8_t>> writes{
        {1, 10}, {2, 20}, {3, 30}, {4, 40}, {5, 50}, {6, 60}, {7, 70}, {8, 80}, {32, 90}};
    for (const auto& [address, value] : writes) {
        model.write(address, value);
    }
    for (const auto& [address, value] : writes) {
        EXPECT_EQ(model.written(address), value) << int(address);
    }
    EXPECT_EQ(model.beltSpeed(3), 30);
}

TEST(PlantModel, ABeltScaleReadsTheStandingBedWithSmallNoiseAtAnySpeed) {
    PlantModelConfig config;
    config.bedLevel = {120, 100, 80, 60, 40};
    PlantModel model(config);
    model.write(2, 255);
    for (double t = 0; t < 30; t += 0.1) {
        model.advanceTo(t);
        for (int silo = 1; silo <= siloCount; ++silo) {
            const int expected = static_cast<int>(config.bedLevel[static_cast<std::size_t>(silo - 1)]);
            EXPECT_LE(std::abs(model.read(weightOf(silo)) - expected), 2) << "silo " << silo << " at " << t;
        }
    }
}

TEST(PlantModel, ASiloThatRunsEmptyAtItsTimeDrainsItsScaleToZeroWithinSeconds) {
    PlantModelConfig config;
    config.emptyAt[2] = 10.0; // silo 3
    PlantModel model(config);
    model.advanceTo(0);
    model.advanceTo(9.9);
    EXPECT_TRUE(model.siloHoldsMaterial(3));
    EXPECT_NEAR(model.read(weightOf(3)), 120, 2);
    model.advanceTo(10.5);
    EXPECT_FALSE(model.siloHoldsMaterial(3));
    const int falling = model.read(weightOf(3));
    EXPECT_LT(falling, 110);
    EXPECT_GT(falling, 10);
    model.advanceTo(16);
    EXPECT_EQ(model.read(weightOf(3)), 0);
    EXPECT_NEAR(model.read(weightOf(2)), 120, 2);
}

TEST(PlantModel, AStockDepletesWithBeltSpeedOnly) {
    PlantModelConfig config;
    config.stockAtFullSpeedSeconds[0] = 4.0; // silo 1: 4 s at full speed
    config.stockAtFullSpeedSeconds[1] = 4.0; // silo 2: its belt stands still
    PlantModel model(config);
    model.advanceTo(0);
    model.write(1, 255);
    model.advanceTo(3.9);
    EXPECT_TRUE(model.siloHoldsMaterial(1));
    model.write(1, 0); // a stopped belt draws nothing
    model.advanceTo(60);
    EXPECT_TRUE(model.siloHoldsMaterial(1));
    model.write(1, 51); // a fifth of full speed: the last 0.1 s of stock lasts 0.5 s
    model.advanceTo(60.4);
    EXPECT_TRUE(model.siloHoldsMaterial(1));
    model.advanceTo(60.6);
    EXPECT_FALSE(model.siloHoldsMaterial(1));
    EXPECT_TRUE(model.siloHoldsMaterial(2));
}

TEST(PlantModel, TemperaturesFollowTheirSetPointsWhileBeltsRunAndAmbientWhenTheyStop) {
    PlantModelConfig config;
    config.ambientTemperature = 15;
    config.temperatureSetPoint = {90, 85, 80, 75, 70};
    config.temperatureLagSeconds = 10;
    PlantModel model(config);
    model.advanceTo(0);
    EXPECT_EQ(model.read(temperatureOf(1)), 15);
    model.write(4, 100);
    model.advanceTo(10); // one time constant: 63 % of the way
    EXPECT_NEAR(model.temperature(1), 15 + 0.632 * 75, 0.5);
    model.advanceTo(100);
    for (int channel = 1; channel <= temperatureCount; ++channel) {
        EXPECT_EQ(model.read(temperatureOf(channel)),
                  config.temperatureSetPoint[static_cast<std::size_t>(channel - 1)]);
    }
    model.write(4, 0);
    model.advanceTo(110);
    EXPECT_NEAR(model.temperature(1), 90 - 0.632 * 75, 0.5);
    model.advanceTo(200);
    EXPECT_EQ(model.read(temperatureOf(5)), 15);
}

TEST(PlantModel, TheSameSeedGivesTheSameReadingsAndTimeNeverGoesBack) {
    PlantModelConfig config;
    config.emptyAt[0] = 2.0;
    PlantModel first(config);
    PlantModel second(config);
    EXPECT_EQ(readingsOver(first, 0, 5, 0.1), readingsOver(second, 0, 5, 0.1));
    config.seed = 2;
    PlantModel reseeded(config);
    PlantModel again(PlantModelConfig{.emptyAt = config.emptyAt});
    EXPECT_NE(readingsOver(reseeded, 0, 5, 0.1), readingsOver(again, 0, 5, 0.1));

    first.advanceTo(1.0); // earlier than the 5 s it has reached
    EXPECT_FALSE(first.siloHoldsMaterial(1));
}

} // namespace
} // namespace usina::plantsim
