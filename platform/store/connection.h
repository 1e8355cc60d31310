#pragma once
// One SQLite connection to an existing database file: checked before SQLite opens it, opened without
// the right to create, in WAL mode, with a bounded wait for other programs' locks and the key collation;
// a file whose key indexes were built in an older key order has them rebuilt first. What its writes
// overwrite or delete is zeroed, never left behind in the file's free space.

#include "platform/store/statement.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

struct sqlite3;

namespace usina::store {

// The longest a call waits for another program's lock before it gives up: the user-interface thread
// makes every call, and the screen must not freeze. A save may fall due together with a polling tick,
// whose four to six transactions at 4800 baud hold the thread some 40 to 70 ms: with this wait on top
// the screen still moves within 0,1 s. It still rides out another program's short write; a save that
// meets a longer one is kept, never lost (write_queue.h).
inline constexpr std::chrono::milliseconds lockWaitBound{20};

class Connection {
public:
    enum class Access { ReadWrite, ReadOnly };

    // Throws StoreError naming the file (missing, no regular file, empty, no database, damaged,
    // protected, in use...). `durableCommits` false: synchronous NORMAL.
    Connection(const std::filesystem::path& file, Access access, bool durableCommits = true);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const std::filesystem::path& file() const { return file_; }
    Statement prepare(std::string_view sql) const;
    void execute(std::string_view sql) const;
    std::int64_t lastInsertRowid() const;
    int changes() const;

    // How long the next calls wait for a lock held elsewhere (at most lockWaitBound when opened).
    void setLockWait(std::chrono::milliseconds wait);
    bool durableCommits() const { return durable_; }
    void setDurableCommits(bool durable);
    // Copies the write-ahead log into the file and truncates it to nothing, so no earlier version of a
    // page is left in the log. False when another connection's reader or writer stands in the way.
    bool truncateLog() const;

private:
    void configure(Access access);
    void bringKeyOrderUpToDate();
    std::int64_t integer(std::string_view sql) const;

    std::filesystem::path file_;
    sqlite3* db_ = nullptr;
    bool durable_ = true;
};

} // namespace usina::store
