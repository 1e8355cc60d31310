#include "platform/value/decimal_digits.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace usina {

namespace {

// The digits and the power of ten of a scientific form ("-1.25e+01").
void readScientific(const char* begin, const char* end, DecimalDigits& result) {
    const char* at = begin;
    for (; at != end && *at != 'e'; ++at) {
        if (*at >= '0' && *at <= '9') {
            result.digits += *at;
        }
    }
    int exponent = 0;
    if (at != end) {
        const char* digits = at + 1;
        if (digits != end && *digits == '+') {
            ++digits;
        }
        std::from_chars(digits, end, exponent);
    }
    result.exponent = exponent;
}

} // namespace

DecimalDigits decimalDigits(double number, int significant) {
    DecimalDigits result;
    result.negative = std::signbit(number) && number != 0.0;
    result.digits.reserve(static_cast<std::size_t>(significant));
    char buffer[64];
    // The shortest digits that read back as the number lie within half a unit of its last binary
    // place; at 15 digits or fewer that is closer than half a unit of the 15th decimal digit, so when
    // they are no more than asked for, they padded with zeros are the correctly rounded digits, and
    // much faster to get. Subnormal numbers have too few binary places for that.
    if (significant <= 15 && (number == 0.0 || std::fabs(number) >= std::numeric_limits<double>::min())) {
        const std::to_chars_result shortest =
            std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::scientific);
        readScientific(buffer, shortest.ptr, result);
        if (result.digits.size() <= static_cast<std::size_t>(significant)) {
            result.digits.append(static_cast<std::size_t>(significant) - result.digits.size(), '0');
            return result;
        }
        result.digits.clear();
    }
    // Otherwise the exact binary value, correctly rounded to the digits asked for (as "%.*e" does).
    const std::to_chars_result rounded =
        std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::scientific, significant - 1);
    readScientific(buffer, rounded.ptr, result);
    return result;
}

} // namespace usina
