#include "platform/store/connection.h"

#include "platform/store/schema_conventions.h"
#include "platform/store/store_error.h"
#include "platform/value/run_time_error.h"

#include <sqlite3.h>

#include <variant>

namespace usina::store {
namespace {

// Long enough to ride out another connection's commit, short enough not to freeze the screen for good.
constexpr int busyTimeoutMilliseconds = 5000;

std::string quotedPath(const std::filesystem::path& file) {
    return "'" + file.string() + "'";
}

} // namespace

Connection::Connection(const std::filesystem::path& file, Access access, bool durableCommits) : file_(file) {
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(file_, ignored))
        throw RunTimeError(error_number::fileNotFound, "Arquivo não encontrado: " + quotedPath(file_));
    const int flags =
        (access == Access::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(file_.c_str(), &db_, flags, nullptr);
    try {
        if (rc != SQLITE_OK)
            throwStoreError(db_, rc, "Não foi possível abrir o arquivo " + quotedPath(file_));
        configure(access, durableCommits);
    } catch (const RunTimeError& e) {
        sqlite3_close_v2(db_);
        const std::string message = e.what();
        if (message.find(file_.string()) != std::string::npos)
            throw;
        throw RunTimeError(e.number(),
                           "Não foi possível abrir o arquivo " + quotedPath(file_) + ": " + message);
    } catch (...) {
        sqlite3_close_v2(db_);
        throw;
    }
}

Connection::~Connection() {
    sqlite3_close_v2(db_);
}

void Connection::configure(Access access, bool durableCommits) {
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, busyTimeoutMilliseconds);
    registerCollations(db_);
    if (access == Access::ReadOnly)
        return;
    // READWRITE quietly falls back to reading only on a protected file; the first save would fail.
    if (sqlite3_db_readonly(db_, "main") == 1)
        throw RunTimeError(error_number::storeFailure,
                           "O arquivo " + quotedPath(file_) + " está protegido contra gravação");
    const auto mode = prepare("PRAGMA journal_mode=WAL").fetchRow();
    if (!mode || !std::holds_alternative<std::string>(mode->at(0)) ||
        std::get<std::string>(mode->at(0)) != "wal")
        throw RunTimeError(error_number::storeFailure,
                           "O arquivo " + quotedPath(file_) + " não pôde ser posto no modo WAL");
    execute(durableCommits ? "PRAGMA synchronous=FULL" : "PRAGMA synchronous=NORMAL");
}

Statement Connection::prepare(std::string_view sql) const {
    sqlite3_stmt* handle = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &handle, &tail);
    if (rc != SQLITE_OK)
        throwStoreError(db_, rc, "Erro no arquivo " + quotedPath(file_));
    Statement statement(db_, handle);
    // A second command in the text would be silently ignored by SQLite: refuse it.
    const std::string_view rest = sql.substr(static_cast<std::size_t>(tail - sql.data()));
    if (handle == nullptr || rest.find_first_not_of(" \t\r\n;") != std::string_view::npos)
        throw RunTimeError(error_number::storeFailure,
                           "O texto SQL deve conter exatamente um comando: " + std::string(sql));
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

} // namespace usina::store
