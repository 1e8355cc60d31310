#include "tools/makedb/database_builder.h"

#include "tools/makedb/build_error.h"
#include "tools/makedb/lingua_tsv.h"
#include "tools/makedb/read_file.h"
#include "tools/makedb/sqlite_connection.h"

#include "platform/store/key_order/key_order.h"

#include <sqlite3.h>

#include <array>
#include <map>
#include <string>
#include <system_error>

namespace usina::makedb {
namespace {

std::filesystem::path withSuffix(const std::filesystem::path& file, const char* suffix) {
    return std::filesystem::path(file.string() + suffix);
}

// SQLite keeps these beside a database file. A stale "-wal" beside a fresh file would be replayed into it
// by the next connection, so they go together with the file.
constexpr std::array<const char*, 4> databaseFileSuffixes = {"", "-wal", "-shm", "-journal"};

void removeDatabaseFiles(const std::filesystem::path& file) {
    for (const char* suffix : databaseFileSuffixes) {
        const std::filesystem::path path = withSuffix(file, suffix);
        std::error_code error;
        std::filesystem::remove(path, error);
        if (error)
            throw BuildError("cannot remove " + path.string() + ": " + error.message());
    }
}

std::string insertLinguaSql() {
    std::string columns;
    std::string placeholders;
    for (const char* column : linguaColumns) {
        columns += (columns.empty() ? "\"" : ", \"") + std::string(column) + "\"";
        placeholders += placeholders.empty() ? "?" : ", ?";
    }
    return "INSERT INTO \"lingua\" (" + columns + ") VALUES (" + placeholders + ")";
}

bool isKeyViolation(int extendedCode) {
    return extendedCode == SQLITE_CONSTRAINT_PRIMARYKEY || extendedCode == SQLITE_CONSTRAINT_UNIQUE;
}

// The key comparison is the table's own (PTNOCASE): the earlier row is found through it, so the
// report names exactly the line the database saw as the same key.
int lineOfExistingKey(SqliteConnection& db, const std::string& key,
                      const std::map<std::int64_t, int>& lineOfRowid) {
    Statement find(db.handle(), "SELECT rowid FROM \"lingua\" WHERE \"texto\" = ?");
    find.bind(1, key);
    if (!find.step())
        return 0;
    const auto found = lineOfRowid.find(find.columnInteger(0));
    return found == lineOfRowid.end() ? 0 : found->second;
}

void insertLinguaRows(SqliteConnection& db, const std::filesystem::path& tsv) {
    const std::vector<LinguaRow> rows = readLinguaTsv(tsv);
    Statement insert(db.handle(), insertLinguaSql());
    std::map<std::int64_t, int> lineOfRowid;
    for (const LinguaRow& row : rows) {
        for (std::size_t column = 0; column < row.cells.size(); ++column)
            insert.bind(static_cast<int>(column) + 1, row.cells[column]);
        try {
            insert.step();
        } catch (const BuildError& error) {
            const std::string where = tsv.string() + " line " + std::to_string(row.lineNumber) + ": ";
            if (!isKeyViolation(insert.lastErrorCode()))
                throw BuildError(where + error.what());
            insert.reset();
            const int earlier = lineOfExistingKey(db, *row.cells[0], lineOfRowid);
            throw BuildError(where + "the key \"" + *row.cells[0] + "\" is already the key of line " +
                             std::to_string(earlier) + " (keys compare without regard to case)");
        }
        lineOfRowid[sqlite3_last_insert_rowid(db.handle())] = row.lineNumber;
        insert.reset();
    }
    const std::string count = db.singleText("SELECT count(*) FROM \"lingua\"");
    if (count != std::to_string(rows.size()))
        throw BuildError(tsv.string() + ": " + std::to_string(rows.size()) + " rows read but " + count +
                         " stored");
}

void fillDatabase(SqliteConnection& db, const BuildRequest& request) {
    db.execute("BEGIN");
    try {
        db.execute(readWholeFile(request.schema));
    } catch (const BuildError& error) {
        throw BuildError(request.schema.string() + ": " + error.what());
    }
    if (request.lingua)
        insertLinguaRows(db, *request.lingua);
    // The key indexes are built in today's key order: the station need not rebuild them.
    db.execute("PRAGMA user_version = " + std::to_string(store::keyOrderVersion));
    db.execute("COMMIT");

    const std::string integrity = db.singleText("PRAGMA integrity_check");
    if (integrity != "ok")
        throw BuildError("integrity check failed: " + integrity);
    const std::string journalMode = db.singleText("PRAGMA journal_mode=WAL");
    if (journalMode != "wal")
        throw BuildError("cannot switch to WAL mode (journal mode is " + journalMode + ")");
}

} // namespace

void buildDatabase(const BuildRequest& request) {
    const std::filesystem::path temporary = withSuffix(request.output, ".tmp");
    removeDatabaseFiles(request.output);
    removeDatabaseFiles(temporary);
    try {
        SqliteConnection db(temporary);
        fillDatabase(db, request);
        db.close();
        std::error_code error;
        std::filesystem::rename(temporary, request.output, error);
        if (error)
            throw BuildError("cannot rename " + temporary.string() + " to " + request.output.string() + ": " +
                             error.message());
    } catch (...) {
        std::error_code ignored;
        for (const char* suffix : databaseFileSuffixes)
            std::filesystem::remove(withSuffix(temporary, suffix), ignored);
        throw;
    }
}

} // namespace usina::makedb
