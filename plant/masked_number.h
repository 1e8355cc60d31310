#pragma once
// A number as stored by the process: rendered with a format mask and read back, so it keeps the mask's
// decimals (two for every mask the records and totals use).

#include "platform/value/conversions.h"
#include "platform/value/format_mask.h"

#include <string_view>

namespace usina {

inline double maskedNumber(double number, std::string_view mask) {
    return toDouble(Value(formatNumber(number, mask)));
}

} // namespace usina
