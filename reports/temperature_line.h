#pragma once
// The temperature report's line of one load: plate, tons, the minimum, mean and maximum of each of the
// five channels, and the rating. A minimum below its lower limit and a maximum above its upper limit
// are written between "[" and "]"; a load with such a value is "Anormal", else "Normal".

#include "platform/value/value.h"

#include <array>
#include <string>

namespace usina {

// One load ticket's fields, as read (pointers into the current row of the query).
struct LoadTemperatures {
    const Value* plate;
    // Kilograms.
    const Value* load;
    std::array<const Value*, 5> minimum;
    std::array<const Value*, 5> mean;
    std::array<const Value*, 5> maximum;
    std::array<const Value*, 5> lowerLimit;
    std::array<const Value*, 5> upperLimit;
};

// Channels 4 and 5 count only on a plant with five temperature channels; otherwise they read 0 and
// are never marked. A Null temperature leaves its place blank and marks nothing, and a Null limit
// marks nothing.
std::string temperatureLine(const LoadTemperatures& load, bool fiveChannels);

} // namespace usina
