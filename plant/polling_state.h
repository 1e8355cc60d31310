#pragma once
// What the polling cycle keeps between its ticks: the phase, the averaging rings of the belt scales and
// temperature channels, the net weights, and the temperature samples of the current load.

#include "platform/value/bounded_array.h"

#include <cstdint>

namespace usina {

using ReadingRing = BoundedArray<std::int16_t, 0, 9>;

struct PollingState {
    std::int16_t TimerXPhase = 0;
    BoundedArray<ReadingRing, 1, 5> SiloReadingRing{};
    BoundedArray<std::int16_t, 1, 5> SiloRingIndex{};
    BoundedArray<ReadingRing, 1, 5> TempReadingRing{};
    BoundedArray<std::int16_t, 1, 5> TempRingIndex{};

    // Net belt-scale weights (raw mean less the tare, never below 0); silo 5 is the recycled one.
    BoundedArray<std::int16_t, 1, 4> SiloWeight{};
    std::int16_t RecycledWeight = 0;

    // The current load in kg, and the load at the last temperature sample.
    double CurrentLoadKg = 0;
    double LastSampleKg = 0;
    // One sample of the five gauges per 100 kg of the load; index 0 is never written.
    BoundedArray<BoundedArray<double, 0, 400>, 1, 5> TempSamples{};
    std::int16_t TempSampleCount = 0;
};

} // namespace usina
