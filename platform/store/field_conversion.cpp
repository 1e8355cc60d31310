#include "platform/store/field_conversion.h"

#include "platform/value/conversions.h"
#include "platform/value/run_time_error.h"

#include <cmath>
#include <ctime>
#include <type_traits>

namespace usina::store {
namespace {

[[noreturn]] void throwTypeMismatch(const Value& value, const char* expected) {
    throw RunTimeError(error_number::typeMismatch,
                       "Tipo incompatível: " + describeValue(value) + " não é " + expected);
}

double finiteNumber(double number) {
    // SQLite would keep NaN as NULL: a lost value reported as saved.
    if (!std::isfinite(number))
        throw RunTimeError(error_number::overflow, "Estouro: o número não é finito");
    return number;
}

// A date typed without a year takes the current one, as on the plant PC.
Date today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

StoredValue storedDate(const Value& value) {
    if (value.isEmpty())
        return std::monostate{};
    if (value.isDate() && value.date().isValid())
        return value.date().iso();
    if (value.isText()) {
        if (const auto date = parseDate(value.text(), today()))
            return date->iso();
    }
    throwTypeMismatch(value, "uma data");
}

StoredValue storedTime(const Value& value) {
    if (value.isEmpty())
        return std::monostate{};
    if (value.isTime() && value.time().seconds >= 0 && value.time().seconds < 24 * 3600)
        return value.time().hms();
    if (value.isText())
        return TimeOfDay::fromHms(value.text()).hms();
    throwTypeMismatch(value, "uma hora");
}

// Query parameters and untyped columns: each value in its own stored form.
StoredValue naturalForm(const Value& value) {
    switch (value.kind()) {
    case Value::Kind::Empty:
    case Value::Kind::Null:
        return std::monostate{};
    case Value::Kind::Number:
        return finiteNumber(value.number());
    case Value::Kind::Text:
        return value.text();
    case Value::Kind::Date:
        return storedDate(value);
    case Value::Kind::Time:
        return storedTime(value);
    case Value::Kind::Boolean:
        return std::int64_t{value.boolean() ? -1 : 0};
    }
    throwTypeMismatch(value, "um valor");
}

template <typename Parsed, typename Parse> Value parsedOrText(const std::string& text, Parse parse) {
    try {
        return Value(Parsed(parse(text)));
    } catch (const RunTimeError&) {
        return Value(text);
    }
}

} // namespace

StoredValue toStoredForm(FieldType type, const Value& value) {
    if (value.isNull())
        return std::monostate{};
    switch (type) {
    case FieldType::Text:
        return toText(value);
    case FieldType::Double:
        return finiteNumber(toDouble(value));
    case FieldType::SmallInt:
        return std::int64_t{toInt16(value)};
    case FieldType::Integer:
        return std::int64_t{toInt32(value)};
    case FieldType::Date:
        return storedDate(value);
    case FieldType::Time:
        return storedTime(value);
    case FieldType::Any:
        break;
    }
    return naturalForm(value);
}

Value fromStoredForm(FieldType type, const StoredValue& stored) {
    return std::visit(
        [type](const auto& v) -> Value {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return Value::null();
            else if constexpr (std::is_same_v<T, std::int64_t>)
                return Value(static_cast<double>(v));
            else if constexpr (std::is_same_v<T, double>)
                return Value(v);
            else if (type == FieldType::Date)
                return parsedOrText<Date>(v, [](const std::string& t) { return Date::fromIso(t); });
            else if (type == FieldType::Time)
                return parsedOrText<TimeOfDay>(v, [](const std::string& t) { return TimeOfDay::fromHms(t); });
            else
                return Value(v);
        },
        stored);
}

Value fromStoredForm(FieldType type, StoredValue&& stored) {
    if (auto* text = std::get_if<std::string>(&stored);
        text != nullptr && type != FieldType::Date && type != FieldType::Time)
        return Value(std::move(*text));
    return fromStoredForm(type, static_cast<const StoredValue&>(stored));
}

std::string describeValue(const Value& value) {
    switch (value.kind()) {
    case Value::Kind::Empty:
        return "Empty";
    case Value::Kind::Null:
        return "Null";
    case Value::Kind::Text:
        return "\"" + value.text() + "\"";
    default:
        return toText(value);
    }
}

} // namespace usina::store
