#include "tools/makedb/sqlite_connection.h"

#include "platform/store/schema_conventions.h"
#include "tools/makedb/build_error.h"

#include <sqlite3.h>

namespace usina::makedb {

Statement::Statement(sqlite3* db, const std::string& sql) : db_(db) {
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement_, nullptr) != SQLITE_OK)
        throw BuildError(std::string("cannot prepare \"") + sql + "\": " + sqlite3_errmsg(db_));
}

Statement::~Statement() {
    sqlite3_finalize(statement_);
}

void Statement::bind(int index, const std::optional<std::string>& text) {
    const int result = text ? sqlite3_bind_text(statement_, index, text->data(),
                                                static_cast<int>(text->size()), SQLITE_TRANSIENT)
                            : sqlite3_bind_null(statement_, index);
    if (result != SQLITE_OK)
        throw BuildError(std::string("cannot bind a parameter: ") + sqlite3_errmsg(db_));
}

void Statement::bind(int index, std::int64_t number) {
    if (sqlite3_bind_int64(statement_, index, number) != SQLITE_OK)
        throw BuildError(std::string("cannot bind a parameter: ") + sqlite3_errmsg(db_));
}

bool Statement::step() {
    const int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE) {
        lastErrorCode_ = 0;
        return false;
    }
    lastErrorCode_ = sqlite3_extended_errcode(db_);
    throw BuildError(sqlite3_errmsg(db_));
}

std::string Statement::columnText(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
                : std::string();
}

std::int64_t Statement::columnInteger(int column) const {
    return sqlite3_column_int64(statement_, column);
}

void Statement::reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

SqliteConnection::SqliteConnection(const std::filesystem::path& file) {
    if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        const std::string reason = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        db_ = nullptr;
        throw BuildError("cannot create " + file.string() + ": " + reason);
    }
    sqlite3_extended_result_codes(db_, 1);
    try {
        store::registerCollations(db_);
    } catch (const std::exception& error) {
        close();
        throw BuildError(error.what());
    }
}

SqliteConnection::~SqliteConnection() {
    sqlite3_close_v2(db_);
}

void SqliteConnection::execute(const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string reason = message ? message : sqlite3_errmsg(db_);
        sqlite3_free(message);
        throw BuildError(reason);
    }
}

std::string SqliteConnection::singleText(const std::string& sql) {
    Statement statement(db_, sql);
    if (!statement.step())
        throw BuildError("\"" + sql + "\" gave no row");
    return statement.columnText(0);
}

void SqliteConnection::close() {
    if (!db_)
        return;
    sqlite3* db = db_;
    db_ = nullptr;
    if (sqlite3_close(db) != SQLITE_OK) {
        const std::string reason = sqlite3_errmsg(db);
        sqlite3_close_v2(db);
        throw BuildError("cannot close the database: " + reason);
    }
}

} // namespace usina::makedb
