#include "tests/support/sqlite_file.h"

#include "platform/store/schema_conventions.h"

#include <sqlite3.h>

#include <memory>
#include <stdexcept>

namespace usina::test {
namespace {

using StatementOwner = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

Cell cellAt(sqlite3_stmt* statement, int column) {
    Cell cell;
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        cell.type = Cell::Type::Integer;
        break;
    case SQLITE_FLOAT:
        cell.type = Cell::Type::Real;
        break;
    case SQLITE_NULL:
        return cell;
    default:
        cell.type = Cell::Type::Text;
        break;
    }
    cell.number = sqlite3_column_double(statement, column);
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    cell.text.assign(text, static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
    return cell;
}

} // namespace

SqliteFile::SqliteFile(const std::filesystem::path& file) {
    if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        const std::string reason = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        throw std::runtime_error("cannot open " + file.string() + ": " + reason);
    }
    store::registerCollations(db_);
}

SqliteFile::~SqliteFile() {
    sqlite3_close_v2(db_);
}

std::vector<Row> SqliteFile::query(const std::string& sql, const std::vector<std::string>& parameters) const {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK)
        throw std::runtime_error(sql + ": " + sqlite3_errmsg(db_));
    StatementOwner statement(raw, &sqlite3_finalize);
    for (std::size_t i = 0; i < parameters.size(); ++i)
        sqlite3_bind_text(raw, static_cast<int>(i) + 1, parameters[i].data(),
                          static_cast<int>(parameters[i].size()), SQLITE_TRANSIENT);
    std::vector<Row> rows;
    int result;
    while ((result = sqlite3_step(raw)) == SQLITE_ROW) {
        Row row;
        for (int column = 0; column < sqlite3_column_count(raw); ++column)
            row.push_back(cellAt(raw, column));
        rows.push_back(std::move(row));
    }
    if (result != SQLITE_DONE)
        throw std::runtime_error(sql + ": " + sqlite3_errmsg(db_));
    return rows;
}

Cell SqliteFile::scalar(const std::string& sql, const std::vector<std::string>& parameters) const {
    const std::vector<Row> rows = query(sql, parameters);
    if (rows.empty() || rows.front().empty())
        throw std::runtime_error(sql + ": no value");
    return rows.front().front();
}

void SqliteFile::execute(const std::string& sql) const {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string reason = message ? message : sqlite3_errmsg(db_);
        sqlite3_free(message);
        throw std::runtime_error(sql + ": " + reason);
    }
}

std::vector<std::string> SqliteFile::columnNames(const std::string& table) const {
    std::vector<std::string> names;
    for (const Row& row : query("SELECT name FROM pragma_table_info(?1) ORDER BY cid", {table}))
        names.push_back(row.at(0).text);
    return names;
}

std::vector<std::string> SqliteFile::tableNames() const {
    std::vector<std::string> names;
    for (const Row& row : query("SELECT name FROM sqlite_schema WHERE type = 'table' AND name NOT LIKE "
                                "'sqlite_%' ORDER BY name"))
        names.push_back(row.at(0).text);
    return names;
}

} // namespace usina::test
