#pragma once
// A time-stepped model of the plant behind the controller's one-byte registers. Each silo's belt scale
// reads the standing bed of material on its belt while the silo holds material, whatever the belt speed,
// and the reading falls towards 0 once the silo has run empty. The temperatures follow their set points
// with a first-order lag while any belt runs and fall back towards ambient when all belts stand still.
// The same configuration and seed give the same readings.

#include <array>
#include <cstdint>
#include <optional>
#include <random>

namespace usina::plantsim {

constexpr int siloCount = 5;
constexpr int temperatureCount = 5;

struct PlantModelConfig {
    std::uint8_t modelCode = 50;
    // Raw belt-scale reading of a full bed of material, per silo.
    std::array<double, siloCount> bedLevel{120, 120, 120, 120, 120};
    // Peak of the reading's noise, in raw units, while the bed is full.
    double weightNoise = 2.0;
    // The time (model seconds) at which a silo runs empty, if it does.
    std::array<std::optional<double>, siloCount> emptyAt{};
    // A stock that each belt draws from: seconds of running at full speed (255) before the silo is empty.
    std::array<std::optional<double>, siloCount> stockAtFullSpeedSeconds{};
    // Time constant of the bed draining off the belt once its silo is empty.
    double emptyingSeconds = 1.0;
    std::array<double, temperatureCount> temperatureSetPoint{90, 85, 80, 75, 70};
    double ambientTemperature = 15;
    double temperatureLagSeconds = 20;
    unsigned seed = 1;
};

class PlantModel {
public:
    explicit PlantModel(PlantModelConfig config = {});

    // Moves the model on to `seconds`; a time earlier than the last one changes nothing.
    void advanceTo(double seconds);

    // The value a read of `address` answers; addresses outside the read map answer 0.
    std::uint8_t read(std::uint8_t address);
    void write(std::uint8_t address, std::uint8_t value);
    // From now on a read of `address` answers `value` whatever the plant does (a scale or a sensor
    // held at a reading); nullopt gives the register back to the plant.
    void forceReading(std::uint8_t address, std::optional<std::uint8_t> value);

    // The last value written to an address (0 before any write).
    std::uint8_t written(std::uint8_t address) const { return written_[address]; }
    std::uint8_t beltSpeed(int silo) const; // silo 1 to 5
    bool siloHoldsMaterial(int silo) const;
    double bedWeight(int silo) const;
    double temperature(int channel) const; // channel 1 to 5

    static constexpr std::uint8_t modelCodeAddress = 0;
    static constexpr std::uint8_t firstBeltSpeedAddress = 1;
    static constexpr std::uint8_t firstWeightAddress = 10;
    static constexpr std::uint8_t firstTemperatureAddress = 15;

private:
    void step(double seconds);
    bool anyBeltRunning() const;
    double noise();

    PlantModelConfig config_;
    std::array<std::uint8_t, 256> written_{};
    std::array<std::optional<std::uint8_t>, 256> forced_{};
    std::array<double, siloCount> bed_{};
    std::array<bool, siloCount> holdsMaterial_{};
    std::array<std::optional<double>, siloCount> stock_{};
    std::array<double, temperatureCount> temperature_{};
    std::optional<double> now_;
    std::mt19937 random_;
};

} // namespace usina::plantsim
