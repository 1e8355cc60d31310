#pragma once
// The tables a schema script declares, with their fields as the store types them: what the tables of a
// file built from that script hold, for a check of a file in use against it.

#include "platform/store/table_schema.h"

#include <string>
#include <string_view>
#include <vector>

namespace usina::store {

struct DeclaredTable {
    std::string name;
    std::vector<FieldInfo> fields; // in the order the script declares them; no defaults
};

// Runs the script on a database in memory, which goes with the call. A script SQLite refuses:
// RunTimeError.
std::vector<DeclaredTable> tablesDeclaredBy(std::string_view script);

} // namespace usina::store
