#include "platform/value/conversions.h"

#include "platform/value/decimal_digits.h"
#include "platform/value/run_time_error.h"

#include <cmath>

namespace usina {

namespace {

// Plain form between these powers of ten of the first digit; outside, the exponent form.
constexpr int smallestPlainExponent = -4;
constexpr int largestPlainExponent = 14;

std::string withoutTrailingZeros(std::string digits) {
    const std::size_t last = digits.find_last_not_of('0');
    digits.erase(last == std::string::npos ? 0 : last + 1);
    return digits;
}

std::string exponentForm(const std::string& significant, int exponent) {
    std::string text(1, significant[0]);
    if (significant.size() > 1) {
        text += ',';
        text.append(significant, 1);
    }
    const int magnitude = std::abs(exponent);
    text += exponent < 0 ? "E-" : "E+";
    if (magnitude < 10) {
        text += '0';
    }
    text += std::to_string(magnitude);
    return text;
}

std::string plainForm(const std::string& significant, int exponent) {
    if (exponent < 0) {
        return "0," + std::string(static_cast<std::size_t>(-exponent - 1), '0') + significant;
    }
    const auto wholeLength = static_cast<std::size_t>(exponent + 1);
    if (significant.size() <= wholeLength) {
        return significant + std::string(wholeLength - significant.size(), '0');
    }
    return significant.substr(0, wholeLength) + ',' + significant.substr(wholeLength);
}

} // namespace

std::string generalNumber(double number) {
    if (!std::isfinite(number)) {
        throw overflowError();
    }
    if (number == 0.0) {
        return "0";
    }
    const DecimalDigits decimal = decimalDigits(number);
    const std::string significant = withoutTrailingZeros(decimal.digits);
    const bool plain = decimal.exponent >= smallestPlainExponent && decimal.exponent <= largestPlainExponent;
    const std::string magnitude =
        plain ? plainForm(significant, decimal.exponent) : exponentForm(significant, decimal.exponent);
    return decimal.negative ? "-" + magnitude : magnitude;
}

} // namespace usina
