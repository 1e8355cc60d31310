#pragma once
// A value in the form SQLite keeps it: NULL, a whole number, a real number or a text.

#include <cstdint>
#include <string>
#include <variant>

namespace usina::store {

using StoredValue = std::variant<std::monostate, std::int64_t, double, std::string>;

inline bool isStoredNull(const StoredValue& value) {
    return std::holds_alternative<std::monostate>(value);
}

} // namespace usina::store
