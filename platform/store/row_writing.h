#pragma once
// Writing one row: the SQL a new or changed row needs, from the fields that were written. The caller
// holds the transaction.

#include "platform/store/stored_value.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace usina::store {

class Connection;
class TableSchema;

// One entry per field of the schema; nullopt = not written.
using WrittenFields = std::vector<std::optional<StoredValue>>;

// The identity (key, or rowid) of the new row.
StoredValue insertRow(const Connection& connection, const std::string& table, const TableSchema& schema,
                      const WrittenFields& written);
// The identity of the changed row (a written key renames it); nullopt when the row is no longer there.
std::optional<StoredValue> changeRow(const Connection& connection, const std::string& table,
                                     const TableSchema& schema, const StoredValue& identity,
                                     const WrittenFields& written);

// The highest row number `table` has ever given (its rowid, or its INTEGER PRIMARY KEY), a deleted last
// row included.
std::int64_t highestRowNumber(const Connection& connection, const std::string& table,
                              const TableSchema& schema);

} // namespace usina::store
