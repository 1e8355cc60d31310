#include "tools/plantsim/plant_model.h"

#include <algorithm>
#include <cmath>

namespace usina::plantsim {
namespace {

// Long steps are cut so that a silo that empties within one is caught near its time.
constexpr double longestStepSeconds = 0.05;

// The share of the way a first-order lag moves towards its target in dt.
double lagShare(double dt, double timeConstant) {
    return timeConstant > 0 ? 1.0 - std::exp(-dt / timeConstant) : 1.0;
}

std::uint8_t toRegister(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

} // namespace

PlantModel::PlantModel(PlantModelConfig config)
    : config_(config), bed_(config.bedLevel), stock_(config.stockAtFullSpeedSeconds), random_(config.seed) {
    holdsMaterial_.fill(true);
    temperature_.fill(config.ambientTemperature);
}

void PlantModel::advanceTo(double seconds) {
    if (!now_) {
        now_ = seconds;
        return;
    }
    while (*now_ < seconds) {
        const double next = std::min(seconds, *now_ + longestStepSeconds);
        step(next - *now_);
        now_ = next;
    }
}

void PlantModel::step(double seconds) {
    const double end = *now_ + seconds;
    for (std::size_t i = 0; i < siloCount; ++i) {
        auto& stock = stock_[i];
        if (stock) {
            *stock -= beltSpeed(static_cast<int>(i) + 1) / 255.0 * seconds;
        }
        const auto& emptyAt = config_.emptyAt[i];
        if ((emptyAt && end >= *emptyAt) || (stock && *stock <= 0)) {
            holdsMaterial_[i] = false;
        }
        const double target = holdsMaterial_[i] ? config_.bedLevel[i] : 0.0;
        bed_[i] += (target - bed_[i]) * lagShare(seconds, config_.emptyingSeconds);
    }
    const bool running = anyBeltRunning();
    for (std::size_t c = 0; c < temperatureCount; ++c) {
        const double target = running ? config_.temperatureSetPoint[c] : config_.ambientTemperature;
        temperature_[c] += (target - temperature_[c]) * lagShare(seconds, config_.temperatureLagSeconds);
    }
}

std::uint8_t PlantModel::read(std::uint8_t address) {
    if (forced_[address]) {
        return *forced_[address];
    }
    if (address == modelCodeAddress) {
        return config_.modelCode;
    }
    if (address >= firstWeightAddress && address < firstWeightAddress + siloCount) {
        const int silo = address - firstWeightAddress + 1;
        const double level = config_.bedLevel[static_cast<std::size_t>(silo - 1)];
        // The noise shrinks with the bed, so an empty belt reads a clean 0.
        const double fullness = level > 0 ? bedWeight(silo) / level : 0.0;
        return toRegister(bedWeight(silo) + noise() * config_.weightNoise * fullness);
    }
    if (address >= firstTemperatureAddress && address < firstTemperatureAddress + temperatureCount) {
        return toRegister(temperature(address - firstTemperatureAddress + 1));
    }
    return 0;
}

void PlantModel::write(std::uint8_t address, std::uint8_t value) {
    written_[address] = value;
}

void PlantModel::forceReading(std::uint8_t address, std::optional<std::uint8_t> value) {
    forced_[address] = value;
}

std::uint8_t PlantModel::beltSpeed(int silo) const {
    return written_[static_cast<std::size_t>(firstBeltSpeedAddress + silo - 1)];
}

bool PlantModel::siloHoldsMaterial(int silo) const {
    return holdsMaterial_[static_cast<std::size_t>(silo - 1)];
}

double PlantModel::bedWeight(int silo) const {
    return bed_[static_cast<std::size_t>(silo - 1)];
}

double PlantModel::temperature(int channel) const {
    return temperature_[static_cast<std::size_t>(channel - 1)];
}

bool PlantModel::anyBeltRunning() const {
    for (int silo = 1; silo <= siloCount; ++silo) {
        if (beltSpeed(silo) > 0) {
            return true;
        }
    }
    return false;
}

double PlantModel::noise() {
    return static_cast<double>(random_()) / std::mt19937::max() * 2.0 - 1.0;
}

} // namespace usina::plantsim
