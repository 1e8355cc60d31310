#include "platform/value/conversions.h"

#include "tests/value/error_number_of.h"

#include <gtest/gtest.h>

#include <limits>

namespace usina {
namespace {

struct GeneralCase {
    double number;
    const char* expected;
};

TEST(GeneralNumber, FifteenSignificantDigitsWithTheDecimalComma) {
    const GeneralCase cases[] = {
        {12.5, "12,5"},
        {0.1, "0,1"},
        {3.0, "3"},
        {12.3 - 12.2, "0,100000000000001"},
        {0.1 + 0.2, "0,3"},
        {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"},
        {-2.5, "-2,5"},
        {-0.0, "0"},
        {0.0, "0"},
        {1234567.0, "1234567"},
        {0.0001, "0,0001"},
        {0.00001, "1E-05"},
        {0.000015, "1,5E-05"},
        {-0.00001, "-1E-05"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1E+15"},
        {1e16, "1E+16"},
        {1.5e20, "1,5E+20"},
        {1e100, "1E+100"},
        {123456789012345678.0, "1,23456789012346E+17"},
        {9.999999999999999e14, "1E+15"},
        {100.0, "100"},
        {-1234.5678, "-1234,5678"},
        // A subnormal number's shortest form ("5E-324") is not its fifteen digits.
        {5e-324, "4,94065645841247E-324"},
    };
    for (const GeneralCase& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(generalNumber(c.number), c.expected);
    }
}

TEST(GeneralNumber, NonFiniteIsAnOverflow) {
    EXPECT_EQ(errorNumberOf([] { generalNumber(std::numeric_limits<double>::infinity()); }),
              error_number::overflow);
    EXPECT_EQ(errorNumberOf([] { generalNumber(std::numeric_limits<double>::quiet_NaN()); }),
              error_number::overflow);
}

} // namespace
} // namespace usina
