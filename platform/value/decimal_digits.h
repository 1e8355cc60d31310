#pragma once
// The decimal form of a double at a fixed number of significant digits, shared by the general form
// and the format masks so that both round from the same digits (1,005 is 1,00500000000000 here, not
// the binary 1,00499999999999989...).

#include <string>

namespace usina {

struct DecimalDigits {
    bool negative = false;
    // Exactly `significant` digits, the first one non-zero unless the number is zero.
    std::string digits;
    // Power of ten of the first digit: 12,5 is "125..." with exponent 1.
    int exponent = 0;
};

// The number must be finite. Negative zero comes back as zero, not negative.
DecimalDigits decimalDigits(double number, int significant = 15);

} // namespace usina
