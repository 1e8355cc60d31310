#include "platform/value/conversions.h"

#include "platform/value/digit_fields.h"
#include "platform/value/run_time_error.h"
#include "platform/value/text.h"

#include <chrono>
#include <cstdio>

namespace usina {

namespace {

constexpr int firstYear = 100;
constexpr int lastYear = 9999;
// Two-digit years below this are of the 2000s, the others of the 1900s.
constexpr int twoDigitCentury = 30;

std::chrono::year_month_day calendarDate(Date date) {
    return {std::chrono::year{date.year}, std::chrono::month{static_cast<unsigned>(date.month)},
            std::chrono::day{static_cast<unsigned>(date.day)}};
}

const std::chrono::sys_days serialZero{std::chrono::year{1899} / 12 / 30};

std::optional<char> dateSeparatorOf(std::string_view text) {
    const std::size_t at = text.find_first_of("/-.");
    return at == std::string_view::npos ? std::nullopt : std::optional<char>(text[at]);
}

std::optional<int> yearField(std::string_view field) {
    const std::optional<int> year = digitField(field, 2, 4);
    if (!year || field.size() == 3) {
        return std::nullopt;
    }
    if (field.size() == 2) {
        return *year < twoDigitCentury ? 2000 + *year : 1900 + *year;
    }
    return year;
}

} // namespace

bool Date::isValid() const {
    return year >= firstYear && year <= lastYear && month >= 1 && month <= 12 && day >= 1 && day <= 31 &&
           calendarDate(*this).ok();
}

std::string Date::iso() const {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
    return buffer;
}

Date Date::fromIso(std::string_view text) {
    const std::vector<std::string_view> fields = splitAt(text, '-');
    if (fields.size() == 3) {
        const std::optional<int> year = digitField(fields[0], 4, 4);
        const std::optional<int> month = digitField(fields[1], 2, 2);
        const std::optional<int> day = digitField(fields[2], 2, 2);
        if (year && month && day) {
            const Date date{*year, *month, *day};
            if (date.isValid()) {
                return date;
            }
        }
    }
    throw typeMismatchError();
}

std::optional<Date> parseDate(std::string_view text, Date today) {
    const std::string trimmed = trimBlanks(text);
    const std::optional<char> separator = dateSeparatorOf(trimmed);
    if (!separator) {
        return std::nullopt;
    }
    const std::vector<std::string_view> fields = splitAt(trimmed, *separator);
    if (fields.size() != 2 && fields.size() != 3) {
        return std::nullopt;
    }
    const std::optional<int> day = digitField(fields[0], 1, 2);
    const std::optional<int> month = digitField(fields[1], 1, 2);
    const std::optional<int> year =
        fields.size() == 3 ? yearField(fields[2]) : std::optional<int>(today.year);
    if (!day || !month || !year) {
        return std::nullopt;
    }
    const Date date{*year, *month, *day};
    return date.isValid() ? std::optional<Date>(date) : std::nullopt;
}

bool isDate(std::string_view text, Date today) {
    return parseDate(text, today).has_value();
}

std::string shortDate(Date date) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", date.day, date.month, date.year);
    return buffer;
}

int dateSerial(Date date) {
    if (!date.isValid()) {
        throw invalidProcedureCallError();
    }
    return static_cast<int>((std::chrono::sys_days{calendarDate(date)} - serialZero).count());
}

Date dateFromSerial(int serial) {
    // Checked before converting: far outside, the calendar's year would wrap into the valid range.
    if (serial < dateSerial(Date{firstYear, 1, 1}) || serial > dateSerial(Date{lastYear, 12, 31})) {
        throw overflowError();
    }
    const std::chrono::year_month_day calendar{serialZero + std::chrono::days{serial}};
    const Date date{static_cast<int>(calendar.year()),
                    static_cast<int>(static_cast<unsigned>(calendar.month())),
                    static_cast<int>(static_cast<unsigned>(calendar.day()))};
    return date;
}

} // namespace usina
