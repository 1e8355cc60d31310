#pragma once
// The temperature statistics of the load the ticket closes: per channel the least, the greatest, the
// sum and the mean of the samples taken during the load.

#include "platform/value/bounded_array.h"

namespace usina {

struct LoadTicketState {
    BoundedArray<double, 1, 5> LoadTempMin{};
    BoundedArray<double, 1, 5> LoadTempMax{};
    BoundedArray<double, 1, 5> LoadTempSum{};
    BoundedArray<double, 1, 5> LoadTempAvg{};
};

} // namespace usina
