#include "platform/store/declared_schema.h"

#include "platform/store/schema_conventions.h"
#include "platform/store/statement.h"
#include "platform/value/run_time_error.h"

#include <sqlite3.h>

#include <variant>

namespace usina::store {
namespace {

std::string textOf(const StoredValue& stored) {
    return std::holds_alternative<std::string>(stored) ? std::get<std::string>(stored) : std::string();
}

class MemoryDatabase {
public:
    MemoryDatabase() {
        try {
            if (sqlite3_open_v2(":memory:", &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY, nullptr) !=
                SQLITE_OK)
                fail("o banco de dados em memória não pôde ser aberto");
            // The keys' collation: a script declares text keys with it.
            registerCollations(db_);
        } catch (...) {
            sqlite3_close_v2(db_);
            throw;
        }
    }
    ~MemoryDatabase() { sqlite3_close_v2(db_); }
    MemoryDatabase(const MemoryDatabase&) = delete;
    MemoryDatabase& operator=(const MemoryDatabase&) = delete;

    void run(std::string_view script) {
        char* message = nullptr;
        if (sqlite3_exec(db_, std::string(script).c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
            const std::string said = message != nullptr ? message : sqlite3_errmsg(db_);
            sqlite3_free(message);
            fail(said);
        }
    }

    Statement prepare(std::string_view sql) {
        sqlite3_stmt* handle = nullptr;
        if (sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &handle, nullptr) != SQLITE_OK)
            fail(sqlite3_errmsg(db_));
        return Statement(db_, handle);
    }

private:
    [[noreturn]] static void fail(const std::string& why) {
        throw RunTimeError(error_number::storeFailure,
                           "O esquema dos bancos de dados não pôde ser lido: " + why);
    }

    sqlite3* db_ = nullptr;
};

} // namespace

std::vector<DeclaredTable> tablesDeclaredBy(std::string_view script) {
    MemoryDatabase db;
    db.run(script);
    std::vector<DeclaredTable> tables;
    Statement names = db.prepare(
        "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%' ORDER BY rowid");
    while (names.step())
        tables.push_back({textOf(names.column(0)), {}});
    names.reset();
    Statement columns = db.prepare("SELECT name, type FROM pragma_table_info(?1)");
    for (DeclaredTable& table : tables) {
        columns.bindAll({table.name});
        while (columns.step()) {
            FieldInfo field;
            field.name = textOf(columns.column(0));
            field.declaredType = textOf(columns.column(1));
            field.type = fieldTypeFromDeclared(field.declaredType);
            table.fields.push_back(std::move(field));
        }
        columns.reset();
    }
    return tables;
}

} // namespace usina::store
