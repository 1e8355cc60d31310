#pragma once
// A field value as the windows and the table store pass it around: Empty (never assigned), Null (an
// empty database field), a number, a text, a date, a time of day or a Boolean.

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace usina {

struct Date {
    int year = 1899;
    int month = 12;
    int day = 30;

    auto operator<=>(const Date&) const = default;
    bool isValid() const;
    // "YYYY-MM-DD", the stored form.
    std::string iso() const;
    // Parses the stored form; throws RunTimeError (type mismatch) on anything else.
    static Date fromIso(std::string_view text);
};

struct TimeOfDay {
    int seconds = 0; // 0 .. 86399

    auto operator<=>(const TimeOfDay&) const = default;
    int hour() const { return seconds / 3600; }
    int minute() const { return seconds / 60 % 60; }
    int second() const { return seconds % 60; }
    // "HH:MM:SS", the stored form and the regional long time.
    std::string hms() const;
    // Parses "HH:MM:SS" or "HH:MM"; throws RunTimeError (type mismatch) on anything else.
    static TimeOfDay fromHms(std::string_view text);
};

class Value {
public:
    enum class Kind { Empty, Null, Number, Text, Date, Time, Boolean };

    Value() = default;
    Value(double number) : data_(number) {}
    Value(int number) : data_(static_cast<double>(number)) {}
    Value(std::int64_t number) : data_(static_cast<double>(number)) {}
    Value(std::string text) : data_(std::move(text)) {}
    Value(std::string_view text) : data_(std::string(text)) {}
    Value(const char* text) : data_(std::string(text)) {}
    Value(Date date) : data_(date) {}
    Value(TimeOfDay time) : data_(time) {}
    Value(bool flag) : data_(BooleanBox{flag}) {}

    static Value null() {
        Value v;
        v.data_ = NullBox{};
        return v;
    }

    Kind kind() const { return static_cast<Kind>(data_.index()); }
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isNull() const { return kind() == Kind::Null; }
    bool isNumber() const { return kind() == Kind::Number; }
    bool isText() const { return kind() == Kind::Text; }
    bool isDate() const { return kind() == Kind::Date; }
    bool isTime() const { return kind() == Kind::Time; }
    bool isBoolean() const { return kind() == Kind::Boolean; }

    // Direct access; the caller has tested the kind. Wrong kind: RunTimeError (type mismatch).
    double number() const;
    const std::string& text() const;
    Date date() const;
    TimeOfDay time() const;
    bool boolean() const;

    bool operator==(const Value& other) const = default;

private:
    struct EmptyBox {
        bool operator==(const EmptyBox&) const = default;
    };
    struct NullBox {
        bool operator==(const NullBox&) const = default;
    };
    struct BooleanBox {
        bool value;
        bool operator==(const BooleanBox&) const = default;
    };
    std::variant<EmptyBox, NullBox, double, std::string, Date, TimeOfDay, BooleanBox> data_;
};

} // namespace usina
