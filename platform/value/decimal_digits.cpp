#include "platform/value/decimal_digits.h"

#include <cstdio>
#include <cstdlib>

namespace usina {

DecimalDigits decimalDigits(double number, int significant) {
    // "%.*e" rounds the exact binary value correctly and never depends on the locale's separator
    // for anything but the point, which is skipped below.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%+.*e", significant - 1, number);
    DecimalDigits result;
    result.negative = buffer[0] == '-' && number != 0.0;
    const char* at = buffer + 1;
    for (; *at != 'e'; ++at) {
        if (*at >= '0' && *at <= '9') {
            result.digits += *at;
        }
    }
    result.exponent = std::atoi(at + 1);
    return result;
}

} // namespace usina
