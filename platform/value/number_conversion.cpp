#include "platform/value/conversions.h"

#include "platform/value/run_time_error.h"

#include <cmath>
#include <limits>

namespace usina {

namespace {

constexpr double secondsPerDay = 86400.0;

// Nearest whole number, an exact half to the even neighbour, then the range check of the target type.
template <typename Integer> Integer roundHalfToEven(double number) {
    if (!std::isfinite(number)) {
        throw overflowError();
    }
    const double below = std::floor(number);
    const double rest = number - below;
    double nearest = rest < 0.5 ? below : below + 1.0;
    if (rest == 0.5) {
        nearest = std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
    }
    if (nearest < std::numeric_limits<Integer>::min() || nearest > std::numeric_limits<Integer>::max()) {
        throw overflowError();
    }
    return static_cast<Integer>(nearest);
}

} // namespace

double toDouble(const Value& value) {
    switch (value.kind()) {
    case Value::Kind::Empty:
        return 0.0;
    case Value::Kind::Null:
        throw invalidUseOfNullError();
    case Value::Kind::Number:
        return value.number();
    case Value::Kind::Text: {
        const std::optional<double> number = parseNumber(value.text());
        if (!number) {
            throw typeMismatchError();
        }
        return *number;
    }
    case Value::Kind::Date:
        return dateSerial(value.date());
    case Value::Kind::Time:
        return value.time().seconds / secondsPerDay;
    case Value::Kind::Boolean:
        return value.boolean() ? -1.0 : 0.0;
    }
    throw typeMismatchError();
}

std::int16_t toInt16(double number) {
    return roundHalfToEven<std::int16_t>(number);
}
std::int16_t toInt16(const Value& value) {
    return toInt16(toDouble(value));
}
std::int32_t toInt32(double number) {
    return roundHalfToEven<std::int32_t>(number);
}
std::int32_t toInt32(const Value& value) {
    return toInt32(toDouble(value));
}

double wholePart(double number) {
    return std::floor(number);
}
double truncatePart(double number) {
    return std::trunc(number);
}

std::string toText(const Value& value) {
    switch (value.kind()) {
    case Value::Kind::Empty:
        return {};
    case Value::Kind::Null:
        throw invalidUseOfNullError();
    case Value::Kind::Number:
        return generalNumber(value.number());
    case Value::Kind::Text:
        return value.text();
    case Value::Kind::Date:
        return shortDate(value.date());
    case Value::Kind::Time:
        return value.time().hms();
    case Value::Kind::Boolean:
        return value.boolean() ? "Verdadeiro" : "Falso";
    }
    throw typeMismatchError();
}

} // namespace usina
