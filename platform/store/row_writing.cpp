#include "platform/store/row_writing.h"

#include "platform/store/connection.h"
#include "platform/store/sql_text.h"
#include "platform/store/table_schema.h"

#include <algorithm>

namespace usina::store {
namespace {

// The written fields only, each as `"name" + suffix`, comma-separated, and their values in that order.
struct WrittenList {
    std::string sql;
    std::vector<StoredValue> values;
};

WrittenList writtenList(const TableSchema& schema, const WrittenFields& written, std::string_view suffix) {
    WrittenList list;
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (!written[i])
            continue;
        if (!list.values.empty())
            list.sql += ", ";
        list.sql += quoteIdentifier(schema.fields()[i].name);
        list.sql += suffix;
        list.values.push_back(*written[i]);
    }
    return list;
}

std::string placeholders(std::size_t count) {
    std::string sql;
    for (std::size_t i = 0; i < count; ++i)
        sql += i == 0 ? "?" : ", ?";
    return sql;
}

} // namespace

StoredValue insertRow(const Connection& connection, const std::string& table, const TableSchema& schema,
                      const WrittenFields& written) {
    const std::string quotedTable = quoteIdentifier(table);
    const WrittenList columns = writtenList(schema, written, "");
    if (columns.values.empty())
        connection.execute("INSERT INTO " + quotedTable + " DEFAULT VALUES");
    else
        connection
            .prepare("INSERT INTO " + quotedTable + " (" + columns.sql + ") VALUES (" +
                     placeholders(columns.values.size()) + ")")
            .run(columns.values);
    const auto key = schema.keyField();
    if (key && written[*key] && !isStoredNull(*written[*key]))
        return *written[*key];
    return std::int64_t{connection.lastInsertRowid()};
}

std::optional<StoredValue> changeRow(const Connection& connection, const std::string& table,
                                     const TableSchema& schema, const StoredValue& identity,
                                     const WrittenFields& written) {
    WrittenList assignments = writtenList(schema, written, " = ?");
    if (assignments.values.empty())
        return identity;
    assignments.values.push_back(identity);
    connection
        .prepare("UPDATE " + quoteIdentifier(table) + " SET " + assignments.sql + " WHERE " +
                 schema.identityColumn() + " = ?")
        .run(assignments.values);
    if (connection.changes() == 0)
        return std::nullopt;
    const auto key = schema.keyField();
    return key && written[*key] ? *written[*key] : identity;
}

std::int64_t highestRowNumber(const Connection& connection, const std::string& table,
                              const TableSchema& schema) {
    const auto integerOf = [](const std::optional<std::vector<StoredValue>>& row) -> std::int64_t {
        return row && std::holds_alternative<std::int64_t>(row->at(0)) ? std::get<std::int64_t>(row->at(0))
                                                                       : 0;
    };
    std::int64_t highest = integerOf(
        connection.prepare("SELECT max(" + schema.identityColumn() + ") FROM " + quoteIdentifier(table))
            .fetchRow());
    // AUTOINCREMENT remembers the numbers of deleted rows there; a file without such a table has no list.
    const auto lists =
        connection.prepare("SELECT count(*) FROM sqlite_master WHERE name = 'sqlite_sequence'").fetchRow();
    if (integerOf(lists) > 0)
        highest = std::max(
            highest,
            integerOf(
                connection.prepare("SELECT seq FROM sqlite_sequence WHERE name = ?1").fetchRow({table})));
    return highest;
}

} // namespace usina::store
