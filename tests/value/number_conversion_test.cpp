#include "platform/value/conversions.h"

#include "tests/value/error_number_of.h"

#include <gtest/gtest.h>

#include <limits>

namespace usina {
namespace {

struct RoundCase {
    double number;
    int expected;
};

TEST(ToInt16, RoundsHalvesToTheEvenNeighbour) {
    const RoundCase cases[] = {
        {0.5, 0},         {1.5, 2},           {2.5, 2},           {3.5, 4},   {-2.5, -2}, {-3.5, -4},
        {-0.5, 0},        {2.4999999, 2},     {2.5000001, 3},     {-2.6, -3}, {12.6, 13}, {32767.0, 32767},
        {32767.4, 32767}, {-32768.0, -32768}, {-32768.5, -32768}, {0.0, 0},
    };
    for (const RoundCase& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(toInt16(c.number), c.expected);
        EXPECT_EQ(toInt32(c.number), c.expected);
    }
}

TEST(ToInt16, OutsideTheRangeIsAnOverflow) {
    const double outside[] = {32767.5,
                              32768.0,
                              -32768.6,
                              -32769.0,
                              1e300,
                              std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN()};
    for (const double number : outside) {
        SCOPED_TRACE(number);
        EXPECT_EQ(errorNumberOf([&] { toInt16(number); }), error_number::overflow);
    }
    EXPECT_EQ(toInt32(32768.0), 32768);
    EXPECT_EQ(toInt32(2147483647.4), 2147483647);
    EXPECT_EQ(toInt32(-2147483648.5), -2147483648);
    EXPECT_EQ(errorNumberOf([] { toInt32(2147483647.5); }), error_number::overflow);
    EXPECT_EQ(errorNumberOf([] { toInt32(-2147483649.0); }), error_number::overflow);
}

TEST(ToInt16, FromValues) {
    EXPECT_EQ(toInt16(Value("2,5")), 2);
    EXPECT_EQ(toInt16(Value(" 4 ")), 4);
    EXPECT_EQ(toInt16(Value("3,5")), 4);
    EXPECT_EQ(toInt16(Value()), 0);
    EXPECT_EQ(toInt16(Value(true)), -1);
    EXPECT_EQ(toInt16(Value(false)), 0);
    EXPECT_EQ(toInt16(Value(7)), 7);
    EXPECT_EQ(errorNumberOf([] { toInt16(Value("abc")); }), error_number::typeMismatch);
    EXPECT_EQ(errorNumberOf([] { toInt16(Value("")); }), error_number::typeMismatch);
    EXPECT_EQ(errorNumberOf([] { toInt16(Value("2.5")); }), error_number::typeMismatch);
    EXPECT_EQ(errorNumberOf([] { toInt16(Value::null()); }), error_number::invalidUseOfNull);
    EXPECT_EQ(errorNumberOf([] { toInt16(Value("40000")); }), error_number::overflow);
    EXPECT_EQ(errorNumberOf([] { toInt32(Value::null()); }), error_number::invalidUseOfNull);
}

TEST(ToDouble, ByKind) {
    EXPECT_EQ(toDouble(Value()), 0.0);
    EXPECT_EQ(toDouble(Value(12.25)), 12.25);
    EXPECT_EQ(toDouble(Value("12,25")), 12.25);
    EXPECT_EQ(toDouble(Value(true)), -1.0);
    EXPECT_EQ(toDouble(Value(Date{1900, 1, 1})), 2.0);
    EXPECT_EQ(toDouble(Value(TimeOfDay{43200})), 0.5);
    EXPECT_EQ(errorNumberOf([] { toDouble(Value::null()); }), error_number::invalidUseOfNull);
    EXPECT_EQ(errorNumberOf([] { toDouble(Value("12.25")); }), error_number::typeMismatch);
}

TEST(WholeAndTruncatedPart, GoTowardsMinusInfinityAndTowardsZero) {
    const struct {
        double number, whole, truncated;
    } cases[] = {{2.5, 2, 2}, {-2.5, -3, -2}, {-0.1, -1, 0}, {3.0, 3, 3}, {-3.0, -3, -3}, {0.99, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(wholePart(c.number), c.whole);
        EXPECT_EQ(truncatePart(c.number), c.truncated);
    }
}

TEST(ToText, ByKind) {
    EXPECT_EQ(toText(Value()), "");
    EXPECT_EQ(toText(Value(12.5)), "12,5");
    EXPECT_EQ(toText(Value("as typed ")), "as typed ");
    EXPECT_EQ(toText(Value(Date{2026, 5, 2})), "02/05/2026");
    EXPECT_EQ(toText(Value(TimeOfDay{8 * 3600 + 5 * 60 + 9})), "08:05:09");
    EXPECT_EQ(toText(Value(true)), "Verdadeiro");
    EXPECT_EQ(toText(Value(false)), "Falso");
    EXPECT_EQ(errorNumberOf([] { toText(Value::null()); }), error_number::invalidUseOfNull);
}

TEST(ToText, NumbersReadBackToTheSameFigure) {
    const double numbers[] = {12.5, -0.75, 1234567.89, 0.001, 100.0, -32768.0};
    for (const double number : numbers) {
        SCOPED_TRACE(number);
        EXPECT_EQ(parseNumber(toText(Value(number))), number);
    }
}

} // namespace
} // namespace usina
