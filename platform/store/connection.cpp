#include "platform/store/connection.h"

#include "platform/store/database_file_check.h"
#include "platform/store/schema_conventions.h"
#include "platform/store/store_error.h"
#include "platform/store/transaction.h"

#include <sqlite3.h>

#include <variant>

namespace usina::store {

Connection::Connection(const std::filesystem::path& file, Access access, bool durableCommits)
    : file_(file), durable_(durableCommits) {
    checkDatabaseFile(file_);
    const int flags =
        (access == Access::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(file_.c_str(), &db_, flags, nullptr);
    try {
        if (rc != SQLITE_OK) {
            const int code = db_ != nullptr ? sqlite3_extended_errcode(db_) : rc;
            throw StoreError(faultOfResultCode(code, file_), {file_});
        }
        configure(access);
    } catch (...) {
        sqlite3_close_v2(db_);
        throw;
    }
}

Connection::~Connection() {
    sqlite3_close_v2(db_);
}

void Connection::configure(Access access) {
    sqlite3_extended_result_codes(db_, 1);
    setLockWait(lockWaitBound);
    registerCollations(db_);
    // The first read: a file that is no database, or one held exclusively, says so here.
    const std::int64_t keyOrder = integer("PRAGMA user_version");
    if (access == Access::ReadOnly)
        return;
    // READWRITE quietly falls back to reading only on a protected file; the first save would fail.
    if (sqlite3_db_readonly(db_, "main") == 1)
        throw StoreError(StoreFault::readOnlyFile, {file_});
    if (keyOrder > keyOrderVersion)
        throw StoreError(StoreFault::failure, {file_},
                         "as chaves foram ordenadas por uma versão mais nova da estação (" +
                             std::to_string(keyOrder) + ")");
    const auto mode = prepare("PRAGMA journal_mode=WAL").fetchRow();
    if (!mode || !std::holds_alternative<std::string>(mode->at(0)) ||
        std::get<std::string>(mode->at(0)) != "wal")
        throw StoreError(StoreFault::failure, {file_}, "o arquivo não pôde ser posto no modo WAL");
    execute(durable_ ? "PRAGMA synchronous=FULL" : "PRAGMA synchronous=NORMAL");
    // A replaced password must not stay readable in a page's free space, whatever the SQLite library's
    // own default. The station deletes little (users, mixes), so zeroing what is freed costs next to
    // nothing.
    execute("PRAGMA secure_delete=ON");
    if (keyOrder < keyOrderVersion)
        bringKeyOrderUpToDate();
}

// The key indexes of an older file are in the order of an older key comparison: walked with this one,
// seeks would miss rows and writes would damage the index. REINDEX rebuilds them in one transaction.
void Connection::bringKeyOrderUpToDate() {
    Transaction transaction(*this);
    execute(std::string("REINDEX ") + keyCollation);
    execute("PRAGMA user_version = " + std::to_string(keyOrderVersion));
    transaction.commit();
}

std::int64_t Connection::integer(std::string_view sql) const {
    const auto row = prepare(sql).fetchRow();
    return row && std::holds_alternative<std::int64_t>(row->at(0)) ? std::get<std::int64_t>(row->at(0)) : 0;
}

Statement Connection::prepare(std::string_view sql) const {
    sqlite3_stmt* handle = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &handle, &tail);
    if (rc != SQLITE_OK)
        throwStoreError(db_, sqlite3_extended_errcode(db_), "comando não aceito: " + std::string(sql));
    Statement statement(db_, handle);
    // A second command in the text would be silently ignored by SQLite: refuse it.
    const std::string_view rest = sql.substr(static_cast<std::size_t>(tail - sql.data()));
    if (handle == nullptr || rest.find_first_not_of(" \t\r\n;") != std::string_view::npos)
        throw StoreError(StoreFault::misuse, {file_},
                         "O texto SQL deve conter exatamente um comando: " + std::string(sql),
                         error_number::storeFailure);
    return statement;
}

void Connection::execute(std::string_view sql) const {
    prepare(sql).run();
}

std::int64_t Connection::lastInsertRowid() const {
    return sqlite3_last_insert_rowid(db_);
}

int Connection::changes() const {
    return sqlite3_changes(db_);
}

void Connection::setLockWait(std::chrono::milliseconds wait) {
    sqlite3_busy_timeout(db_, static_cast<int>(wait.count()));
}

bool Connection::truncateLog() const {
    // The first column is 1 when a reader or writer elsewhere kept the checkpoint from completing.
    return integer("PRAGMA wal_checkpoint(TRUNCATE)") == 0;
}

void Connection::setDurableCommits(bool durable) {
    if (durable == durable_)
        return;
    execute(durable ? "PRAGMA synchronous=FULL" : "PRAGMA synchronous=NORMAL");
    durable_ = durable;
}

} // namespace usina::store
