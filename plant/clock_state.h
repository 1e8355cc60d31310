#pragma once
// What the clock timers keep: the additive delay lines and their shift mark, the age of the message on
// the message line, and the elapsed process time.

#include "platform/value/bounded_array.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace usina {

// One pump command per second of transport time: element 0 is the newest.
using DelayLine = BoundedArray<std::uint8_t, 0, 200>;

// The place of a line that is sent to the pump: the whole seconds of the additive's delay. The mix's
// loading keeps delays within 0 to 199 s, so the shift's place beyond it is still on the line; the
// place is held there whoever set the delay.
inline int delayPlace(double delaySeconds) {
    return static_cast<int>(std::clamp(std::floor(delaySeconds), 0.0, 199.0));
}

struct ClockState {
    DelayLine AsphaltDelayLine{};
    DelayLine FillerDelayLine{};
    DelayLine MaltenoDelayLine{};
    DelayLine FibreDelayLine{};
    // The clock reading (seconds since midnight) that marks the last shift; 0 before the first.
    double DelayShiftLastTimer = 0;
    std::int16_t DelayShiftIndex = 0;
    // How many clock ticks have seen the message line in use.
    std::int16_t OccurrenceAge = 0;

    double ElapsedAccumulator = 0, ElapsedLastTimer = 0;
    std::int16_t ElapsedSeconds = 0, ElapsedMinutes = 0, ElapsedHours = 0;
};

} // namespace usina
