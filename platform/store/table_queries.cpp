#include "platform/store/table_queries.h"

#include "platform/store/connection.h"
#include "platform/store/sql_text.h"
#include "platform/store/table_schema.h"

namespace usina::store {
namespace {

// Every field, then the identity as the last column.
std::string selectFrom(const TableSchema& schema, const std::string& quotedTable,
                       const std::string& identityColumn) {
    std::string sql = "SELECT ";
    for (const FieldInfo& field : schema.fields())
        sql += quoteIdentifier(field.name) + ", ";
    return sql + identityColumn + " FROM " + quotedTable;
}

} // namespace

TableQueries::TableQueries(const Connection& connection, const std::string& table, const TableSchema& schema)
    : connection_(connection), table_(table), quotedTable_(quoteIdentifier(table)),
      identityColumn_(schema.identityColumn()), select_(selectFrom(schema, quotedTable_, identityColumn_)),
      first_(connection.prepare(select_ + " ORDER BY " + identityColumn_ + " LIMIT 1")),
      last_(connection.prepare(select_ + " ORDER BY " + identityColumn_ + " DESC LIMIT 1")),
      after_(connection.prepare(select_ + " WHERE " + identityColumn_ + " > ?1 ORDER BY " + identityColumn_ +
                                " LIMIT 1")),
      find_(connection.prepare(select_ + " WHERE " + identityColumn_ + " = ?1 LIMIT 1")),
      count_(connection.prepare("SELECT count(*) FROM " + quotedTable_)),
      remove_(connection.prepare("DELETE FROM " + quotedTable_ + " WHERE " + identityColumn_ + " = ?1")) {}

std::optional<StoredRow> TableQueries::fetch(Statement& statement,
                                             const std::vector<StoredValue>& parameters) {
    auto values = statement.fetchRow(parameters);
    if (!values)
        return std::nullopt;
    StoredRow row{std::move(values->back()), std::move(*values)};
    row.values.pop_back();
    return row;
}

std::optional<StoredRow> TableQueries::first() {
    return fetch(first_);
}

std::optional<StoredRow> TableQueries::last() {
    return fetch(last_);
}

std::optional<StoredRow> TableQueries::after(const StoredValue& identity) {
    return fetch(after_, {identity});
}

std::optional<StoredRow> TableQueries::find(const StoredValue& identity) {
    return fetch(find_, {identity});
}

std::int64_t TableQueries::count() {
    return std::get<std::int64_t>(count_.fetchRow()->at(0));
}

void TableQueries::remove(const StoredValue& identity) {
    remove_.run({identity});
}

} // namespace usina::store
