#include "platform/value/conversions.h"

#include "tests/value/error_number_of.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace usina {
namespace {

struct ParseCase {
    const char* text;
    std::optional<double> expected;
};

TEST(ParseNumber, ReadsTheRegionalFormAndRefusesEverythingElse) {
    const ParseCase cases[] = {
        {"2,5", 2.5},
        {" 4 ", 4.0},
        {"-3", -3.0},
        {"5-", -5.0},
        {"+7", 7.0},
        {",50", 0.5},
        {"0,", 0.0},
        {"  -12,75  ", -12.75},
        {"0012", 12.0},
        {"-0", 0.0},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"1-2", std::nullopt},
        {"2.5", std::nullopt},
        {"1.000", std::nullopt},
        {",,", std::nullopt},
        {"1,2,3", std::nullopt},
        {"-", std::nullopt},
        {",", std::nullopt},
        {"-,", std::nullopt},
        {"-5-", std::nullopt},
        {"--5", std::nullopt},
        {"- 5", std::nullopt},
        {"1e3", std::nullopt},
        {"&H10", std::nullopt},
        {"0x10", std::nullopt},
        {"12abc", std::nullopt},
        {"1 2", std::nullopt},
        {"\t3", std::nullopt},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<double> parsed = parseNumber(c.text);
        EXPECT_EQ(parsed, c.expected);
        EXPECT_EQ(isNumeric(c.text), c.expected.has_value());
    }
}

TEST(ParseNumber, ReadsDecimalsExactlyAsTheNearestDouble) {
    // Read from the decimal digits, not accumulated digit by digit in binary.
    EXPECT_EQ(*parseNumber("0,1"), 0.1);
    EXPECT_EQ(*parseNumber("1234,5678"), 1234.5678);
    EXPECT_EQ(*parseNumber("-0,3"), -0.3);
}

TEST(ParseNumber, NegativeZeroReadsAsPlainZero) {
    EXPECT_FALSE(std::signbit(*parseNumber("-0,0")));
    EXPECT_FALSE(std::signbit(*parseNumber("0-")));
}

TEST(ParseNumber, OutOfRangeMagnitudes) {
    const std::string huge = "1" + std::string(400, '0');
    EXPECT_FALSE(parseNumber(huge).has_value());
    const std::string tiny = "0," + std::string(400, '0') + "1";
    EXPECT_EQ(parseNumber(tiny), 0.0);
}

TEST(IsNumericValue, ByKind) {
    EXPECT_TRUE(isNumeric(Value()));
    EXPECT_TRUE(isNumeric(Value(3.5)));
    EXPECT_TRUE(isNumeric(Value(true)));
    EXPECT_TRUE(isNumeric(Value("2,5")));
    EXPECT_FALSE(isNumeric(Value("2.5")));
    EXPECT_FALSE(isNumeric(Value::null()));
    EXPECT_FALSE(isNumeric(Value(Date{2026, 5, 12})));
    EXPECT_FALSE(isNumeric(Value(TimeOfDay{3600})));
    EXPECT_TRUE(isNumeric(std::string("12")));
}

struct ValCase {
    const char* text;
    double expected;
};

TEST(ValPrefix, ReadsTheInvariantLeadingNumber) {
    const ValCase cases[] = {
        {"150,5", 150.0}, {"12abc", 12.0}, {"", 0.0},    {" 3.5x", 3.5}, {"  -2.25", -2.25},
        {"abc", 0.0},     {"-", 0.0},      {".5", 0.5},  {"7.", 7.0},    {"1.2.3", 1.2},
        {"+4", 4.0},      {"   ", 0.0},    {"0.1", 0.1}, {"-0", 0.0},    {"42 kg", 42.0},
    };
    for (const ValCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(valPrefix(c.text), c.expected);
    }
}

TEST(ValPrefix, TooLargeIsAnOverflow) {
    EXPECT_EQ(errorNumberOf([] { valPrefix("1" + std::string(400, '0')); }), error_number::overflow);
}

} // namespace
} // namespace usina
