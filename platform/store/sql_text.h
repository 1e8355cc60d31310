#pragma once
// Pieces of SQL text the store builds from the schema (never from what someone typed).

#include <string>
#include <string_view>

namespace usina::store {

// "name" with inner quotes doubled: field names hold blanks, accents or begin with a digit.
std::string quoteIdentifier(std::string_view name);

} // namespace usina::store
