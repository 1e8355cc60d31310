#include "platform/value/conversions.h"

#include "platform/value/run_time_error.h"
#include "platform/value/text.h"

#include <charconv>

namespace usina {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digitRunEnd(std::string_view text, std::size_t at) {
    while (at < text.size() && isDigit(text[at])) {
        ++at;
    }
    return at;
}

// Reads "<whole>.<fraction>" made of the digits found, locale-independently. A value too small for a
// double is zero; one too large is no number (nullopt).
std::optional<double> readDigits(std::string_view whole, std::string_view fraction) {
    std::string invariant;
    invariant.reserve(whole.size() + fraction.size() + 2);
    invariant.append(whole.empty() ? "0" : whole);
    invariant += '.';
    invariant.append(fraction.empty() ? "0" : fraction);
    double value = 0.0;
    const auto [end, failure] = std::from_chars(invariant.data(), invariant.data() + invariant.size(), value);
    if (failure == std::errc::result_out_of_range) {
        if (whole.find_first_not_of('0') != std::string_view::npos) {
            return std::nullopt;
        }
        return 0.0;
    }
    return value;
}

} // namespace

std::optional<double> parseNumber(std::string_view text) {
    const std::string trimmed = trimBlanks(text);
    const std::string_view body = trimmed;
    std::size_t at = 0;
    bool negative = false;
    bool signSeen = false;
    if (at < body.size() && (body[at] == '-' || body[at] == '+')) {
        negative = body[at] == '-';
        signSeen = true;
        ++at;
    }
    const std::size_t wholeEnd = digitRunEnd(body, at);
    const std::string_view whole = body.substr(at, wholeEnd - at);
    at = wholeEnd;
    std::string_view fraction;
    if (at < body.size() && body[at] == ',') {
        const std::size_t fractionEnd = digitRunEnd(body, at + 1);
        fraction = body.substr(at + 1, fractionEnd - at - 1);
        at = fractionEnd;
    }
    if (whole.empty() && fraction.empty()) {
        return std::nullopt;
    }
    if (!signSeen && at < body.size() && (body[at] == '-' || body[at] == '+')) {
        negative = body[at] == '-';
        ++at;
    }
    if (at != body.size()) {
        return std::nullopt;
    }
    const std::optional<double> magnitude = readDigits(whole, fraction);
    if (!magnitude) {
        return std::nullopt;
    }
    // No negative zero: "-0" reads and shows as 0.
    return negative && *magnitude != 0.0 ? -*magnitude : *magnitude;
}

bool isNumeric(std::string_view text) {
    return parseNumber(text).has_value();
}

bool isNumeric(const Value& value) {
    switch (value.kind()) {
    case Value::Kind::Empty:
    case Value::Kind::Number:
    case Value::Kind::Boolean:
        return true;
    case Value::Kind::Text:
        return isNumeric(value.text());
    case Value::Kind::Null:
    case Value::Kind::Date:
    case Value::Kind::Time:
        return false;
    }
    return false;
}

double valPrefix(std::string_view text) {
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos) {
        return 0.0;
    }
    bool negative = false;
    if (text[at] == '-' || text[at] == '+') {
        negative = text[at] == '-';
        ++at;
    }
    const std::size_t wholeEnd = digitRunEnd(text, at);
    const std::string_view whole = text.substr(at, wholeEnd - at);
    std::string_view fraction;
    if (wholeEnd < text.size() && text[wholeEnd] == '.') {
        fraction = text.substr(wholeEnd + 1, digitRunEnd(text, wholeEnd + 1) - wholeEnd - 1);
    }
    const std::optional<double> magnitude = readDigits(whole, fraction);
    if (!magnitude) {
        throw overflowError();
    }
    return negative && *magnitude != 0.0 ? -*magnitude : *magnitude;
}

} // namespace usina
