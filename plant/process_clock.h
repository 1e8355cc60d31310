#pragma once
// The clock as the process loop's timers read it: the seconds since midnight in single precision, so
// that marks, stamps and their comparisons fall where the plant's timing has always put them.

#include "platform/forms/clock.h"

namespace usina {

inline double processClock(const forms::Clock& clock) {
    return static_cast<double>(static_cast<float>(clock.secondsSinceMidnight()));
}

} // namespace usina
