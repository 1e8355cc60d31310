// The arithmetic of the mix checks: the rate the binder shares allow, the sum at 15 digits, and the
// exact comparison of typed rates.

#include "setup/mix_rules.h"

#include "platform/value/run_time_error.h"

#include <gtest/gtest.h>

#include <string>

namespace usina::test {

TEST(ProductionLimit, WorkedValues) {
    EXPECT_EQ(productionLimit(200, 5, 2, 20), 4520);
    EXPECT_EQ(productionLimit(200, 5, 0, 0), 3990);
    // Only the malteno share: the whole limit comes from the recycled part.
    EXPECT_EQ(productionLimit(200, 0, 2, 20), 9990);
}

TEST(ProductionLimit, NoBinderShareSetsNoLimit) {
    EXPECT_FALSE(productionLimit(200, 0, 0, 20).has_value());
    EXPECT_FALSE(productionLimit(200, 0, 0, 0).has_value());
}

TEST(CompositionSum, HoldsAtFifteenSignificantDigits) {
    double binary = 0;
    for (double share : {25.1, 29.6, 16.6, 18.7, 5.0, 3.0, 2.0}) {
        binary += share;
    }
    ASSERT_NE(binary, 100.0); // the terms' binary rounding shows in the 17th digit
    EXPECT_TRUE(addsUpToHundred(binary));
    EXPECT_TRUE(addsUpToHundred(99.99999999999999));
    EXPECT_FALSE(addsUpToHundred(99.9999999999999));
    EXPECT_FALSE(addsUpToHundred(100.000000000001));
    EXPECT_FALSE(addsUpToHundred(-100));
}

struct DecimalCase {
    const char* a;
    const char* b;
    int order;
};

// A typed number as a test name: "150,5" is "150comma5", " 21 " is "blank21blank".
std::string spelled(const char* typed) {
    std::string name;
    for (const char* c = typed; *c != '\0'; ++c) {
        name += *c == ',' ? "comma" : *c == '-' ? "minus" : *c == ' ' ? "blank" : std::string(1, *c);
    }
    return name;
}

class DecimalTexts : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalTexts, CompareAsExactDecimals) {
    const int got = compareDecimalTexts(GetParam().a, GetParam().b);
    EXPECT_EQ((got > 0) - (got < 0), GetParam().order) << GetParam().a << " against " << GetParam().b;
}

INSTANTIATE_TEST_SUITE_P(Cases, DecimalTexts,
                         ::testing::Values(DecimalCase{"20", "20", 0}, DecimalCase{"020,00", "20", 0},
                                           DecimalCase{"19,99", "20", -1}, DecimalCase{"150,5", "150,5", 0},
                                           DecimalCase{"150,50000000000001", "150,5", 1},
                                           DecimalCase{"150,6", "150,51", 1}, DecimalCase{"9", "10", -1},
                                           DecimalCase{" 21 ", "20", 1}, DecimalCase{"-5", "3", -1},
                                           DecimalCase{"5-", "-6", 1}, DecimalCase{"-0", "0", 0},
                                           DecimalCase{",5", "0,5", 0}),
                         [](const ::testing::TestParamInfo<DecimalCase>& tested) {
                             return spelled(tested.param.a) + "_against_" + spelled(tested.param.b);
                         });

// The run-time error an operator would read, had a caller let a text that is no number through.
TEST(DecimalTextsThatAreNoNumber, AreATypeMismatchInPortuguese) {
    for (const char* typed : {"", " ", ",", "1,,5"}) {
        try {
            (void)compareDecimalTexts(typed, "20");
            ADD_FAILURE() << "'" << typed << "' compared";
        } catch (const RunTimeError& e) {
            EXPECT_EQ(e.number(), error_number::typeMismatch);
            EXPECT_STREQ(e.what(), "Tipos incompatíveis");
        }
    }
}

} // namespace usina::test
