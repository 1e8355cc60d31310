#include "platform/store/table_queries.h"

#include "platform/store/connection.h"
#include "platform/store/sql_text.h"
#include "platform/store/table_schema.h"

namespace usina::store {
namespace {

std::string identityColumnOf(const TableSchema& schema) {
    const auto key = schema.keyField();
    return key ? quoteIdentifier(schema.fields()[*key].name) : std::string("rowid");
}

// Every field, then the identity as the last column.
std::string selectFrom(const TableSchema& schema, const std::string& quotedTable,
                       const std::string& identityColumn) {
    std::string sql = "SELECT ";
    for (const FieldInfo& field : schema.fields())
        sql += quoteIdentifier(field.name) + ", ";
    return sql + identityColumn + " FROM " + quotedTable;
}

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

TableQueries::TableQueries(const Connection& connection, const std::string& table, const TableSchema& schema)
    : connection_(connection), schema_(schema), quotedTable_(quoteIdentifier(table)),
      identityColumn_(identityColumnOf(schema)), select_(selectFrom(schema, quotedTable_, identityColumn_)),
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

StoredValue TableQueries::insert(const WrittenFields& written) {
    const WrittenList columns = writtenList(schema_, written, "");
    if (columns.values.empty())
        connection_.execute("INSERT INTO " + quotedTable_ + " DEFAULT VALUES");
    else
        connection_
            .prepare("INSERT INTO " + quotedTable_ + " (" + columns.sql + ") VALUES (" +
                     placeholders(columns.values.size()) + ")")
            .run(columns.values);
    const auto key = schema_.keyField();
    if (key && written[*key] && !isStoredNull(*written[*key]))
        return *written[*key];
    return std::int64_t{connection_.lastInsertRowid()};
}

std::optional<StoredValue> TableQueries::change(const StoredValue& identity, const WrittenFields& written) {
    WrittenList assignments = writtenList(schema_, written, " = ?");
    if (assignments.values.empty())
        return identity;
    assignments.values.push_back(identity);
    connection_
        .prepare("UPDATE " + quotedTable_ + " SET " + assignments.sql + " WHERE " + identityColumn_ + " = ?")
        .run(assignments.values);
    if (connection_.changes() == 0)
        return std::nullopt;
    const auto key = schema_.keyField();
    return key && written[*key] ? *written[*key] : identity;
}

} // namespace usina::store
