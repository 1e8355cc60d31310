#include "platform/value/decimal_digits.h"

#include <charconv>
#include <system_error>

namespace usina {

DecimalDigits decimalDigits(double number, int significant) {
    // The scientific form rounds the exact binary value correctly (as "%.*e" does) and knows nothing
    // of locales; it is several times faster than printf, which matters to the exports of whole years.
    char buffer[64];
    const std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::scientific, significant - 1);
    DecimalDigits result;
    result.negative = buffer[0] == '-' && number != 0.0;
    result.digits.reserve(static_cast<std::size_t>(significant));
    const char* at = buffer;
    for (; at != written.ptr && *at != 'e'; ++at) {
        if (*at >= '0' && *at <= '9') {
            result.digits += *at;
        }
    }
    int exponent = 0;
    if (at != written.ptr) {
        const char* digits = at + 1;
        if (*digits == '+') {
            ++digits;
        }
        std::from_chars(digits, written.ptr, exponent);
    }
    result.exponent = exponent;
    return result;
}

} // namespace usina
