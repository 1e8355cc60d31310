#include "setup/mix_rules.h"

#include "platform/value/conversions.h"
#include "platform/value/decimal_digits.h"
#include "platform/value/run_time_error.h"
#include "platform/value/text.h"

#include <cmath>
#include <string>

namespace usina {

std::optional<double> productionLimit(double plantMaximum, double asphalt, double malteno, double recycled) {
    const double newAggregate = 100 - recycled;
    // The binder each part takes at its share: asphalt on the new aggregate, malteno on the recycled.
    const double asphaltTaken = newAggregate / (1 - asphalt / 100) - newAggregate;
    const double maltenoTaken = recycled / (1 - malteno / 100) - recycled;
    const double asphaltPart = asphaltTaken > 0 ? asphaltTaken / (asphaltTaken + maltenoTaken) : 0;
    const double maltenoPart = maltenoTaken > 0 ? maltenoTaken / (asphaltTaken + maltenoTaken) : 0;
    const double byAsphalt = asphalt != 0 ? plantMaximum * asphaltPart / (asphalt / 100) : 0;
    const double byMalteno = malteno != 0 ? plantMaximum * maltenoPart / (malteno / 100) : 0;
    if (byAsphalt == 0 && byMalteno == 0) {
        return std::nullopt;
    }
    return std::floor(byAsphalt + byMalteno - 10);
}

bool addsUpToHundred(double sum) {
    if (!std::isfinite(sum)) {
        return false;
    }
    const DecimalDigits d = decimalDigits(sum, 15);
    return !d.negative && d.exponent == 2 && d.digits == "100000000000000";
}

namespace {

// A numeric text as sign, whole digits without leading zeros and fraction digits without trailing ones.
struct ExactDecimal {
    bool negative = false;
    std::string whole;
    std::string fraction;
};

ExactDecimal exactDecimal(std::string_view text) {
    if (!isNumeric(text)) {
        throw typeMismatchError();
    }
    std::string body = trimBlanks(text);
    ExactDecimal d;
    if (body.front() == '-' || body.front() == '+') {
        d.negative = body.front() == '-';
        body.erase(0, 1);
    } else if (body.back() == '-' || body.back() == '+') {
        d.negative = body.back() == '-';
        body.pop_back();
    }
    const std::size_t comma = body.find(',');
    d.whole = body.substr(0, comma);
    d.fraction = comma == std::string::npos ? std::string() : body.substr(comma + 1);
    const std::size_t significant = d.whole.find_first_not_of('0');
    d.whole = significant == std::string::npos ? std::string() : d.whole.substr(significant);
    d.fraction.erase(d.fraction.find_last_not_of('0') + 1);
    if (d.whole.empty() && d.fraction.empty()) {
        d.negative = false;
    }
    return d;
}

int compareMagnitudes(const ExactDecimal& a, const ExactDecimal& b) {
    if (a.whole.size() != b.whole.size()) {
        return a.whole.size() < b.whole.size() ? -1 : 1;
    }
    if (const int whole = a.whole.compare(b.whole); whole != 0) {
        return whole;
    }
    return a.fraction.compare(b.fraction);
}

} // namespace

int compareDecimalTexts(std::string_view a, std::string_view b) {
    const ExactDecimal x = exactDecimal(a);
    const ExactDecimal y = exactDecimal(b);
    if (x.negative != y.negative) {
        return x.negative ? -1 : 1;
    }
    const int magnitude = compareMagnitudes(x, y);
    const int sign = magnitude < 0 ? -1 : magnitude > 0 ? 1 : 0;
    return x.negative ? -sign : sign;
}

} // namespace usina
