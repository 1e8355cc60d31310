#pragma once
// A thin owner of one SQLite connection and its statements; every failure becomes a BuildError that
// carries SQLite's own message.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace usina::makedb {

class Statement {
public:
    Statement(sqlite3* db, const std::string& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters count from 1; no value binds Null.
    void bind(int index, const std::optional<std::string>& text);
    void bind(int index, std::int64_t number);
    // True while a row is there; false when done. A failure leaves its extended code for the caller.
    bool step();
    int lastErrorCode() const { return lastErrorCode_; }
    std::string columnText(int column) const;
    std::int64_t columnInteger(int column) const;
    void reset();

private:
    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
    int lastErrorCode_ = 0;
};

class SqliteConnection {
public:
    // Creates the file; the PTNOCASE collation is registered before anything runs.
    explicit SqliteConnection(const std::filesystem::path& file);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    // Runs one or more statements separated by ";".
    void execute(const std::string& sql);
    // The first column of the first row, as text.
    std::string singleText(const std::string& sql);
    sqlite3* handle() const { return db_; }
    // Closing a WAL database checkpoints it; a failure there must not pass unnoticed.
    void close();

private:
    sqlite3* db_ = nullptr;
};

} // namespace usina::makedb
