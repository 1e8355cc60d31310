#pragma once
// Conversions between values under the regional settings of the plant PC: decimal comma, no thousands
// separator, short date dd/mm/yyyy, time HH:mm:ss. Every failure throws RunTimeError.

#include "value.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace usina {

// Number from text in the regional form: leading and trailing blanks, one sign (leading, or trailing
// as in "5-"), digits and at most one decimal comma with a digit on at least one side. No point, no
// exponent, no hexadecimal. nullopt when the text is no number.
std::optional<double> parseNumber(std::string_view text);
bool isNumeric(std::string_view text);
// Texts of every kind go to the text test (otherwise ambiguous with the Value overload).
inline bool isNumeric(const std::string& text) {
    return isNumeric(std::string_view(text));
}
inline bool isNumeric(const char* text) {
    return isNumeric(std::string_view(text));
}
// Numbers are numeric, texts by parseNumber, Booleans yes, Empty yes (as 0), Null, dates and times no.
bool isNumeric(const Value& value);

// The double a value stands for: a number, a numeric text, a Boolean (True = -1), Empty = 0.
// Null: invalid use of Null; other text: type mismatch; a date counts days since 30/12/1899, a time
// of day the fraction of a day.
double toDouble(const Value& value);

// Nearest whole number, a half to the even neighbour; outside the range: overflow.
std::int16_t toInt16(double number);
std::int16_t toInt16(const Value& value);
std::int32_t toInt32(double number);
std::int32_t toInt32(const Value& value);

// Whole part towards minus infinity (Int) and towards zero (Fix).
double wholePart(double number);
double truncatePart(double number);

// Text of a value: numbers in the general form, dates as dd/mm/yyyy, times as HH:MM:SS, Booleans as
// "Verdadeiro"/"Falso", Empty as "". Null: invalid use of Null.
std::string toText(const Value& value);
// General form of a number: at most 15 significant digits, no trailing zeros or comma, decimal
// comma, exponent form ("1E-05", "1E+15", "1,5E+20") below 1E-04 and from 1E+15 on (rounded first,
// so 999999999999999,9 gives "1E+15"). Not finite: overflow.
std::string generalNumber(double number);

// Invariant reading of a leading number: skips leading blanks, the point as decimal separator, stops
// at the first character that does not fit. "150,5" gives 150, "12abc" 12, "" 0.
double valPrefix(std::string_view text);

// Dates typed by a person: day/month/year or day/month (the year of `today`), with "/", "-" or "."
// between, two- or four-digit years (00-29 are 2000-2029, 30-99 are 1930-1999). Impossible days are
// no date. Day and month are never swapped.
std::optional<Date> parseDate(std::string_view text, Date today);
bool isDate(std::string_view text, Date today);
// The regional short date, dd/mm/yyyy.
std::string shortDate(Date date);

// Days since 30/12/1899 and back, for date arithmetic and the stored numeric form.
int dateSerial(Date date);
Date dateFromSerial(int serial);

} // namespace usina
