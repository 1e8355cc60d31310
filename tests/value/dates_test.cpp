#include "platform/value/conversions.h"

#include "tests/value/error_number_of.h"

#include <gtest/gtest.h>

#include <optional>

namespace usina {
namespace {

const Date today{2026, 3, 15};

struct DateCase {
    const char* text;
    std::optional<Date> expected;
};

TEST(ParseDate, DayMonthYearUnderTheRegionalRules) {
    const DateCase cases[] = {
        {"12/05/26", Date{2026, 5, 12}},
        {"12/05/2026", Date{2026, 5, 12}},
        {"1/5/26", Date{2026, 5, 1}},
        {"12-05-26", Date{2026, 5, 12}},
        {"12.05.26", Date{2026, 5, 12}},
        {" 12/05/26 ", Date{2026, 5, 12}},
        {"12/05", Date{2026, 5, 12}},
        {"29/02", std::nullopt},
        {"01/01/00", Date{2000, 1, 1}},
        {"31/12/29", Date{2029, 12, 31}},
        {"01/01/30", Date{1930, 1, 1}},
        {"31/12/99", Date{1999, 12, 31}},
        {"29/02/24", Date{2024, 2, 29}},
        {"29/02/2000", Date{2000, 2, 29}},
        {"29/02/1900", std::nullopt},
        {"29/02/25", std::nullopt},
        {"31/02/26", std::nullopt},
        {"31/04/26", std::nullopt},
        {"12/31/26", std::nullopt},
        {"13/13/26", std::nullopt},
        {"00/05/26", std::nullopt},
        {"12/00/26", std::nullopt},
        {"12/05/026", std::nullopt},
        {"12/05/20266", std::nullopt},
        {"12/05-26", std::nullopt},
        {"12//26", std::nullopt},
        {"12/05/26/1", std::nullopt},
        {"123/05/26", std::nullopt},
        {"12", std::nullopt},
        {"", std::nullopt},
        {"ab/cd/ef", std::nullopt},
        {"12/05/ 26", std::nullopt},
        {"2026-05-12", std::nullopt},
    };
    for (const DateCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseDate(c.text, today), c.expected);
        EXPECT_EQ(isDate(c.text, today), c.expected.has_value());
    }
}

TEST(ParseDate, DayAndMonthTakeTheYearOfToday) {
    EXPECT_EQ(parseDate("29/02", Date{2024, 6, 1}), (Date{2024, 2, 29}));
    EXPECT_EQ(parseDate("31/12", Date{1999, 1, 1}), (Date{1999, 12, 31}));
}

TEST(ShortDate, IsDayMonthFourDigitYear) {
    EXPECT_EQ(shortDate(Date{2026, 5, 2}), "02/05/2026");
    EXPECT_EQ(shortDate(Date{1999, 12, 31}), "31/12/1999");
}

TEST(DateSerial, CountsDaysSinceTheLastDaysOf1899) {
    const struct {
        Date date;
        int serial;
    } cases[] = {
        {{1899, 12, 30}, 0},  {{1899, 12, 31}, 1},    {{1900, 1, 1}, 2},
        {{1900, 3, 1}, 61},   {{2000, 1, 1}, 36526},  {{2026, 5, 12}, 46154},
        {{1899, 12, 29}, -1}, {{100, 1, 1}, -657434}, {{9999, 12, 31}, 2958465},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date.iso());
        EXPECT_EQ(dateSerial(c.date), c.serial);
        EXPECT_EQ(dateFromSerial(c.serial), c.date);
    }
}

TEST(DateSerial, OutsideTheCalendar) {
    EXPECT_EQ(errorNumberOf([] { dateFromSerial(2958466); }), error_number::overflow);
    EXPECT_EQ(errorNumberOf([] { dateFromSerial(-657435); }), error_number::overflow);
    EXPECT_EQ(errorNumberOf([] { dateFromSerial(2147483647); }), error_number::overflow);
    EXPECT_EQ(errorNumberOf([] { dateSerial(Date{2026, 2, 30}); }), error_number::invalidProcedureCall);
}

TEST(StoredForms, DateIsoAndTimeHmsRoundTrip) {
    EXPECT_EQ((Date{2026, 5, 2}).iso(), "2026-05-02");
    EXPECT_EQ(Date::fromIso("2026-05-02"), (Date{2026, 5, 2}));
    EXPECT_EQ((TimeOfDay{86399}).hms(), "23:59:59");
    EXPECT_EQ(TimeOfDay::fromHms("08:05:09"), TimeOfDay{8 * 3600 + 5 * 60 + 9});
    EXPECT_EQ(TimeOfDay::fromHms("23:59"), TimeOfDay{23 * 3600 + 59 * 60});
    const char* badDates[] = {"2026-02-30", "2026-5-2", "02/05/2026", "", "2026-05-02 10:00:00"};
    for (const char* text : badDates) {
        SCOPED_TRACE(text);
        EXPECT_EQ(errorNumberOf([&] { Date::fromIso(text); }), error_number::typeMismatch);
    }
    const char* badTimes[] = {"24:00:00", "12:60", "12:30:60", "12", "", "ab:cd", "12:3", "-1:00"};
    for (const char* text : badTimes) {
        SCOPED_TRACE(text);
        EXPECT_EQ(errorNumberOf([&] { TimeOfDay::fromHms(text); }), error_number::typeMismatch);
    }
}

TEST(ValueAccess, WrongKindIsATypeMismatch) {
    const Value number(2.5);
    EXPECT_EQ(number.number(), 2.5);
    EXPECT_EQ(errorNumberOf([&] { (void)number.text(); }), error_number::typeMismatch);
    EXPECT_EQ(errorNumberOf([] { (void)Value::null().number(); }), error_number::typeMismatch);
    EXPECT_EQ(errorNumberOf([] { (void)Value("x").date(); }), error_number::typeMismatch);
    EXPECT_TRUE(Value(true).boolean());
    EXPECT_EQ(Value(Date{2026, 1, 2}).date(), (Date{2026, 1, 2}));
    EXPECT_NE(Value(), Value::null());
    EXPECT_NE(Value(0), Value(false));
}

} // namespace
} // namespace usina
