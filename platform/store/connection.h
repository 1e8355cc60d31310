#pragma once
// One SQLite connection to an existing database file: opened without the right to create, in WAL mode,
// with a busy timeout and the PTNOCASE collation.

#include "platform/store/statement.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

struct sqlite3;

namespace usina::store {

class Connection {
public:
    enum class Access { ReadWrite, ReadOnly };

    // Missing file: RunTimeError(fileNotFound) naming it. `durableCommits` false: synchronous NORMAL.
    Connection(const std::filesystem::path& file, Access access, bool durableCommits = true);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const std::filesystem::path& file() const { return file_; }
    Statement prepare(std::string_view sql) const;
    void execute(std::string_view sql) const;
    std::int64_t lastInsertRowid() const;
    int changes() const;

private:
    void configure(Access access, bool durableCommits);

    std::filesystem::path file_;
    sqlite3* db_ = nullptr;
};

} // namespace usina::store
