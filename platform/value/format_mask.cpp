#include "platform/value/format_mask.h"

#include "platform/value/conversions.h"
#include "platform/value/decimal_digits.h"
#include "platform/value/run_time_error.h"
#include "platform/value/text.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace usina {

namespace {

enum class MaskKind { General, Number, Text, Date };

struct NumberMask {
    std::size_t wholeMinDigits = 0;
    std::size_t fractionDigits = 0;
    std::size_t fractionMinDigits = 0;
    bool hasSeparator = false;
};

bool consistsOf(std::string_view mask, std::string_view allowed) {
    return mask.find_first_not_of(allowed) == std::string_view::npos;
}

MaskKind maskKind(std::string_view mask) {
    if (mask.empty()) {
        return MaskKind::General;
    }
    if (consistsOf(mask, "#0.") && mask.find_first_of("#0") != std::string_view::npos &&
        std::count(mask.begin(), mask.end(), '.') <= 1) {
        return MaskKind::Number;
    }
    const std::string_view positions = mask.front() == '!' ? mask.substr(1) : mask;
    if (!positions.empty() && consistsOf(positions, "@")) {
        return MaskKind::Text;
    }
    if (consistsOf(mask, "dmy/-. ") && mask.find_first_of("dmy") != std::string_view::npos) {
        return MaskKind::Date;
    }
    throw invalidProcedureCallError();
}

void requireKind(std::string_view mask, MaskKind kind) {
    if (maskKind(mask) != kind) {
        throw invalidProcedureCallError();
    }
}

NumberMask numberMask(std::string_view mask) {
    NumberMask parsed;
    const std::size_t separator = mask.find('.');
    const std::string_view whole = mask.substr(0, separator);
    const std::size_t firstZero = whole.find('0');
    parsed.wholeMinDigits = firstZero == std::string_view::npos ? 0 : whole.size() - firstZero;
    if (separator != std::string_view::npos) {
        const std::string_view fraction = mask.substr(separator + 1);
        const std::size_t lastZero = fraction.rfind('0');
        parsed.hasSeparator = true;
        parsed.fractionDigits = fraction.size();
        parsed.fractionMinDigits = lastZero == std::string_view::npos ? 0 : lastZero + 1;
    }
    return parsed;
}

std::string paddedNumber(int number, std::size_t width) {
    std::string digits = std::to_string(number);
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), '0');
    }
    return digits;
}

std::string dateField(char letter, std::size_t length, Date date) {
    if (letter == 'd' && length <= 2) {
        return paddedNumber(date.day, length);
    }
    if (letter == 'm' && length <= 2) {
        return paddedNumber(date.month, length);
    }
    if (letter == 'y' && length == 2) {
        return paddedNumber(date.year % 100, 2);
    }
    if (letter == 'y' && length == 4) {
        return paddedNumber(date.year, 4);
    }
    throw invalidProcedureCallError();
}

Date dateOfNumber(const Value& value) {
    return dateFromSerial(toInt32(wholePart(toDouble(value))));
}

std::string formatDateValue(const Value& value, std::string_view mask, Date today) {
    if (value.isEmpty()) {
        return {};
    }
    if (value.isDate()) {
        return formatDate(value.date(), mask);
    }
    if (value.isText()) {
        const std::optional<Date> date = parseDate(value.text(), today);
        return date ? formatDate(*date, mask) : value.text();
    }
    return formatDate(dateOfNumber(value), mask);
}

std::string formatNumberValue(const Value& value, std::string_view mask) {
    if (value.isEmpty()) {
        return {};
    }
    if (value.isText()) {
        const std::optional<double> number = parseNumber(value.text());
        return number ? formatNumber(*number, mask) : value.text();
    }
    return formatNumber(toDouble(value), mask);
}

// Without a today, a day/month text has no year to take: an impossible year makes it no date.
constexpr Date noCurrentYear{0, 1, 1};

} // namespace

std::string formatNumber(double number, std::string_view mask) {
    return NumberFormat(mask)(number);
}

NumberFormat::NumberFormat(std::string_view mask) {
    requireKind(mask, MaskKind::Number);
    const NumberMask parsed = numberMask(mask);
    wholeMinDigits_ = parsed.wholeMinDigits;
    fractionDigits_ = parsed.fractionDigits;
    fractionMinDigits_ = parsed.fractionMinDigits;
    hasSeparator_ = parsed.hasSeparator;
}

std::string NumberFormat::operator()(double number) const {
    std::string text;
    appendTo(text, number);
    return text;
}

void NumberFormat::appendTo(std::string& text, double number) const {
    if (!std::isfinite(number)) {
        throw overflowError();
    }
    const DecimalDigits decimal = decimalDigits(number);

    // Place the 15 digits around the decimal point, then round half away from zero at the mask's last
    // fraction digit, on these decimal digits rather than on the binary value. Room for the leading
    // zeros of the smallest numbers or the trailing ones of the largest, and a carry.
    char digits[2 * 340 + 64];
    char* const first = digits + 1;
    std::size_t length = 0;
    int wholeLength = decimal.exponent + 1;
    if (wholeLength < 0) {
        std::fill_n(first, static_cast<std::size_t>(-wholeLength), '0');
        length = static_cast<std::size_t>(-wholeLength);
        wholeLength = 0;
    }
    std::copy(decimal.digits.begin(), decimal.digits.end(), first + length);
    length += decimal.digits.size();
    const std::size_t cut = static_cast<std::size_t>(wholeLength) + fractionDigits_;
    char* start = first;
    if (cut < length) {
        const bool roundUp = first[cut] >= '5';
        length = cut;
        if (roundUp) {
            std::size_t at = length;
            while (at > 0 && first[at - 1] == '9') {
                first[--at] = '0';
            }
            if (at > 0) {
                ++first[at - 1];
            } else {
                *--start = '1';
                ++length;
                ++wholeLength;
            }
        }
    } else {
        std::fill(first + length, first + cut, '0');
        length = cut;
    }

    const char* whole = start;
    const char* wholeEnd = start + wholeLength;
    while (whole != wholeEnd && *whole == '0') {
        ++whole;
    }
    const char* fraction = wholeEnd;
    const char* fractionEnd = start + length;
    while (static_cast<std::size_t>(fractionEnd - fraction) > fractionMinDigits_ && fractionEnd[-1] == '0') {
        --fractionEnd;
    }
    const std::size_t wholeDigits = static_cast<std::size_t>(wholeEnd - whole);
    const bool shownAsZero = std::all_of(whole, wholeEnd, [](char c) { return c == '0'; }) &&
                             std::all_of(fraction, fractionEnd, [](char c) { return c == '0'; });
    if (decimal.negative && !shownAsZero) {
        text += '-';
    }
    if (wholeDigits < wholeMinDigits_) {
        text.append(wholeMinDigits_ - wholeDigits, '0');
    }
    text.append(whole, wholeEnd);
    if (hasSeparator_) {
        text += ',';
    }
    text.append(fraction, fractionEnd);
}

std::string formatText(std::string_view text, std::string_view mask) {
    requireKind(mask, MaskKind::Text);
    const bool fromLeft = mask.front() == '!';
    const std::size_t width = mask.size() - (fromLeft ? 1 : 0);
    const std::size_t length = charCount(text);
    if (length >= width) {
        return std::string(text);
    }
    const std::string blanks(width - length, ' ');
    return fromLeft ? std::string(text) + blanks : blanks + std::string(text);
}

std::string formatDate(Date date, std::string_view mask) {
    requireKind(mask, MaskKind::Date);
    if (!date.isValid()) {
        throw invalidProcedureCallError();
    }
    std::string text;
    for (std::size_t at = 0; at < mask.size();) {
        const char letter = mask[at];
        const std::size_t runEnd = std::min(mask.find_first_not_of(letter, at), mask.size());
        if (letter == 'd' || letter == 'm' || letter == 'y') {
            text += dateField(letter, runEnd - at, date);
        } else {
            text.append(mask.substr(at, runEnd - at));
        }
        at = runEnd;
    }
    return text;
}

std::string format(const Value& value, std::string_view mask) {
    return format(value, mask, noCurrentYear);
}

std::string format(const Value& value, std::string_view mask, Date today) {
    if (value.isNull()) {
        return {};
    }
    switch (maskKind(mask)) {
    case MaskKind::General:
        return toText(value);
    case MaskKind::Number:
        return formatNumberValue(value, mask);
    case MaskKind::Text:
        return formatText(toText(value), mask);
    case MaskKind::Date:
        return formatDateValue(value, mask, today);
    }
    throw invalidProcedureCallError();
}

} // namespace usina
