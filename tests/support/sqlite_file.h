#pragma once
// A database file opened straight through SQLite, with the key collation registered, so the tests see
// exactly what the build delivered.

#include <filesystem>
#include <string>
#include <vector>

struct sqlite3;

namespace usina::test {

struct Cell {
    enum class Type { Null, Integer, Real, Text } type = Type::Null;
    double number = 0;
    std::string text;

    bool isNull() const { return type == Type::Null; }
};

using Row = std::vector<Cell>;

class SqliteFile {
public:
    explicit SqliteFile(const std::filesystem::path& file);
    ~SqliteFile();
    SqliteFile(const SqliteFile&) = delete;
    SqliteFile& operator=(const SqliteFile&) = delete;

    // Text parameters bound in order; failures throw std::runtime_error with SQLite's message.
    std::vector<Row> query(const std::string& sql, const std::vector<std::string>& parameters = {}) const;
    Cell scalar(const std::string& sql, const std::vector<std::string>& parameters = {}) const;
    void execute(const std::string& sql) const;
    sqlite3* handle() const { return db_; }

    // Column names of a table in their declared order.
    std::vector<std::string> columnNames(const std::string& table) const;
    std::vector<std::string> tableNames() const;

private:
    sqlite3* db_ = nullptr;
};

} // namespace usina::test
