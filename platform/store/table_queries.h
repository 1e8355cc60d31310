#pragma once
// The reading SQL of one table recordset. Rows are found through the key index (the rowid where a table
// has no key of its own), one row per query, so moving costs the same in a table of a million rows.

#include "platform/store/statement.h"
#include "platform/store/stored_value.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace usina::store {

class Connection;
class TableSchema;

// A row as stored, with the value that finds it again (its key, or its rowid).
struct StoredRow {
    StoredValue identity;
    std::vector<StoredValue> values;
};

class TableQueries {
public:
    TableQueries(const Connection& connection, const std::string& table, const TableSchema& schema);

    std::optional<StoredRow> first();
    std::optional<StoredRow> last();
    std::optional<StoredRow> after(const StoredValue& identity);
    std::optional<StoredRow> find(const StoredValue& identity);
    std::int64_t count();
    void remove(const StoredValue& identity);

private:
    std::optional<StoredRow> fetch(Statement& statement, const std::vector<StoredValue>& parameters = {});

    const Connection& connection_;
    std::string table_;
    std::string quotedTable_;
    std::string identityColumn_;
    std::string select_;
    Statement first_;
    Statement last_;
    Statement after_;
    Statement find_;
    Statement count_;
    Statement remove_;
};

} // namespace usina::store
