#pragma once
// The type of a field, from the column type the schema declares.

#include <string_view>

namespace usina::store {

// `Any` is a column whose type SQLite does not know (an expression in a SELECT): values keep their
// own form.
enum class FieldType { Text, Double, SmallInt, Integer, Date, Time, Any };

// The six declared types of the delivered databases by name, without regard to case or a size
// ("TEXT(50)"); other names by SQLite's affinity rules, so a file edited with another tool still reads.
FieldType fieldTypeFromDeclared(std::string_view declared);

} // namespace usina::store
