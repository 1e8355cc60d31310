#include "platform/value/format_mask.h"

#include "platform/value/conversions.h"

#include "tests/value/error_number_of.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

namespace usina {
namespace {

struct NumberCase {
    double number;
    const char* mask;
    const char* expected;
};

TEST(FormatNumber, MasksOfTheWindows) {
    const NumberCase cases[] = {
        {12.6, "##0", "13"},
        {2.5, "##0", "3"},
        {3.5, "##0", "4"},
        {-2.5, "##0", "-3"},
        {0.5, "##0", "1"},
        {0.49, "##0", "0"},
        {12345.0, "##0", "12345"},
        {0.0, "##0", "0"},
        {-3.4, "##0", "-3"},
        {-0.4, "##0", "0"},
        {-0.004, "#0.00", "0,00"},
        {-0.005, "#0.00", "-0,01"},
        {1.5, "#0.00", "1,50"},
        {1.005, "0.00", "1,01"},
        {1.005, "#0.00", "1,01"},
        {2.675, "##0.00", "2,68"},
        {1.0049999, "#0.00", "1,00"},
        {0.5, "###.00", ",50"},
        {0.0, "###.00", ",00"},
        {-0.5, "###.00", "-,50"},
        {148.456, "###.00", "148,46"},
        {12.0, "00000000", "00000012"},
        {123456789.0, "00000000", "123456789"},
        {0.0, "00000000", "00000000"},
        {1234.5, "###0.00", "1234,50"},
        {99.995, "###0.00", "100,00"},
        {9.96, "#0.0", "10,0"},
        {12.345, "#####0.00", "12,35"},
        {1234567.891, "######0.00", "1234567,89"},
        {0.05, "###0.0", "0,1"},
        {-0.05, "##0.0", "-0,1"},
        {12.34, "######0.0", "12,3"},
        {1499.5, "###0", "1500"},
        {250.0, "#####0", "250"},
        {0.000001, "#0.00", "0,00"},
        {999.9999, "##0.00", "1000,00"},
        {12.3 - 12.2, "#0.00", "0,10"},
        {1e20, "##0", "100000000000000000000"},
        {-0.0, "##0", "0"},
        {5.0, "#.##", "5,"},
        {5.25, "#.0#", "5,25"},
        {5.2, "#.0#", "5,2"},
        {0.0, "###", ""},
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.number) + " " + c.mask);
        EXPECT_EQ(formatNumber(c.number, c.mask), c.expected);
    }
}

TEST(FormatNumber, StoredFiguresReadBackWithTwoDecimals) {
    // Each stored figure is formatted and read back; the mask must never cut integer digits.
    const double figures[] = {0.004, 0.015, 1234567.125, 100000000.555, 42.0, -7.125};
    for (const double figure : figures) {
        SCOPED_TRACE(figure);
        const double stored = *parseNumber(formatNumber(figure, "######0.00"));
        EXPECT_NEAR(stored, figure, 0.005 + 1e-9);
    }
}

TEST(FormatNumber, ThousandthsRoundHalfAwayFromZeroWithoutBinaryArtefacts) {
    // k/1000 is rarely exact in binary; the mask must still round the decimal figure the person sees.
    for (int k = -20000; k <= 20000; ++k) {
        const int cents = (std::abs(k) + 5) / 10;
        std::string expected =
            std::to_string(cents / 100) + "," + (cents % 100 < 10 ? "0" : "") + std::to_string(cents % 100);
        if (k < 0 && cents != 0) {
            expected.insert(0, "-");
        }
        SCOPED_TRACE(k);
        ASSERT_EQ(formatNumber(k / 1000.0, "#0.00"), expected);
    }
}

TEST(FormatNumber, NotFiniteOrBadMask) {
    EXPECT_EQ(errorNumberOf([] { formatNumber(std::numeric_limits<double>::infinity(), "##0"); }),
              error_number::overflow);
    const char* badMasks[] = {"", "0.0.0", "@@@", "dd/mm/yy", "#,##0", ".", "0%"};
    for (const char* mask : badMasks) {
        SCOPED_TRACE(mask);
        EXPECT_EQ(errorNumberOf([&] { formatNumber(1.0, mask); }), error_number::invalidProcedureCall);
    }
}

struct TextCase {
    const char* text;
    const char* mask;
    const char* expected;
};

TEST(FormatText, AlignsInTheMaskWidth) {
    const TextCase cases[] = {
        {"ABC1234", "@@@@@@@@", " ABC1234"},
        {"ABC12345", "@@@@@@@@", "ABC12345"},
        {"ABC123456", "@@@@@@@@", "ABC123456"},
        {"", "@@@", "   "},
        {"Traço", "!@@@@@@@", "Traço  "},
        {"Traço", "@@@@@@@", "  Traço"},
        {"12,50", "@@@@@@@", "  12,50"},
        {"muito longo", "!@@@", "muito longo"},
        {"ab", "!@", "ab"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " " + c.mask);
        EXPECT_EQ(formatText(c.text, c.mask), c.expected);
    }
    EXPECT_EQ(errorNumberOf([] { formatText("x", "!"); }), error_number::invalidProcedureCall);
    EXPECT_EQ(errorNumberOf([] { formatText("x", "@@-@@"); }), error_number::invalidProcedureCall);
}

TEST(FormatDate, DayMonthYearMasks) {
    const Date date{2026, 5, 2};
    EXPECT_EQ(formatDate(date, "dd/mm/yy"), "02/05/26");
    EXPECT_EQ(formatDate(date, "mm/dd/yy"), "05/02/26");
    EXPECT_EQ(formatDate(date, "dd/mm/yyyy"), "02/05/2026");
    EXPECT_EQ(formatDate(Date{2000, 12, 31}, "dd/mm/yy"), "31/12/00");
    EXPECT_EQ(formatDate(Date{1999, 1, 9}, "d/m/yy"), "9/1/99");
    EXPECT_EQ(errorNumberOf([] {
                  formatDate(Date{2026, 2, 30}, "dd/mm/yy");
              }),
              error_number::invalidProcedureCall);
    EXPECT_EQ(errorNumberOf([] {
                  formatDate(Date{2026, 2, 3}, "ddd/mm/yy");
              }),
              error_number::invalidProcedureCall);
    EXPECT_EQ(errorNumberOf([] {
                  formatDate(Date{2026, 2, 3}, "dd/mm/yyy");
              }),
              error_number::invalidProcedureCall);
}

struct ValueCase {
    Value value;
    const char* mask;
    const char* expected;
};

TEST(FormatValue, DispatchesByMaskAndValue) {
    const ValueCase cases[] = {
        {Value(12.6), "##0", "13"},
        {Value("12,6"), "##0", "13"},
        {Value(" 1,5 "), "#0.00", "1,50"},
        {Value("abc"), "##0", "abc"},
        {Value("2.5"), "##0", "2.5"},
        {Value(""), "##0", ""},
        {Value(), "##0", ""},
        {Value::null(), "##0", ""},
        {Value(true), "##0", "-1"},
        {Value(12.5), "@@@@@@", "  12,5"},
        {Value("ABC1234"), "@@@@@@@@", " ABC1234"},
        {Value(), "@@@", "   "},
        {Value::null(), "@@@", ""},
        {Value(Date{2026, 5, 2}), "dd/mm/yy", "02/05/26"},
        {Value("02/05/2026"), "dd/mm/yy", "02/05/26"},
        {Value("2/5/26"), "mm/dd/yy", "05/02/26"},
        {Value("31/02/26"), "dd/mm/yy", "31/02/26"},
        {Value("02/05"), "dd/mm/yy", "02/05"},
        {Value(""), "dd/mm/yy", ""},
        {Value(), "dd/mm/yy", ""},
        {Value::null(), "dd/mm/yy", ""},
        {Value(46154.75), "dd/mm/yy", "12/05/26"},
        {Value(12.5), "", "12,5"},
        {Value(), "", ""},
        {Value::null(), "", ""},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(std::string(c.mask) + " -> " + c.expected);
        EXPECT_EQ(format(c.value, c.mask), c.expected);
    }
    EXPECT_EQ(errorNumberOf([] { format(Value(1.0), "hh:nn"); }), error_number::invalidProcedureCall);
}

TEST(FormatValue, DayMonthTextTakesTheYearOfToday) {
    EXPECT_EQ(format(Value("02/05"), "dd/mm/yy", Date{2026, 3, 15}), "02/05/26");
    EXPECT_EQ(format(Value("1/12"), "dd/mm/yy", Date{2025, 1, 1}), "01/12/25");
    EXPECT_EQ(format(Value("abc"), "dd/mm/yy", Date{2025, 1, 1}), "abc");
}

} // namespace
} // namespace usina
