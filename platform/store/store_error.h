#pragma once
// What went wrong with a database file, told in Portuguese with the file, table and field it concerns:
// the start-up shows it in a message box, the error log stores it. A RunTimeError, so every handler
// that traps run-time errors traps it too.

#include "platform/value/run_time_error.h"

#include <filesystem>
#include <string>
#include <string_view>

struct sqlite3;

namespace usina::store {

// The numbers the old database engine gave these faults, so the error log reads as operators know it.
namespace store_error_number {
constexpr int notUsableAsDatabase = 3049;
constexpr int readOnly = 3027;
constexpr int noPermission = 3051;
constexpr int diskFull = 3026;
constexpr int diskError = 3043;
constexpr int locked = 3218;
} // namespace store_error_number

enum class StoreFault {
    // The file itself.
    missingFile,
    notARegularFile, // a FIFO, a folder or a device in the file's place
    emptyFile,
    notADatabase,
    damaged,
    readOnlyFile,
    readOnlyFolder,
    diskFull,
    diskError,
    inUse,       // held by another program
    unavailable, // the engine could not go on for now (memory, an interrupted call, a changed schema)
    // Its tables and fields.
    missingTable,
    missingField,
    unusableFieldType, // a field whose type cannot keep what the program stores in it
    // The row or the call.
    duplicateKey,
    valueRefused,
    noCurrentRow,
    misuse,
    failure,
};

// Where: `file` as opened (messages give its name), `table` and `field` when known.
struct StorePlace {
    StorePlace(std::filesystem::path inFile = {}, std::string inTable = {}, std::string inField = {})
        : file(std::move(inFile)), table(std::move(inTable)), field(std::move(inField)) {}

    std::filesystem::path file;
    std::string table;
    std::string field;
};

class StoreError : public RunTimeError {
public:
    // `detail` completes the sentence of a file fault, and is the sentence of the others. `number` 0
    // takes the fault's own.
    StoreError(StoreFault fault, StorePlace place, std::string detail = {}, int number = 0);

    StoreFault fault() const { return fault_; }
    const StorePlace& place() const { return place_; }
    std::string fileName() const { return place_.file.filename().string(); }
    const std::string& table() const { return place_.table; }
    const std::string& field() const { return place_.field; }
    const std::string& detail() const { return detail_; }

    // A fault of the file rather than of the row: what was to be written is still right, and can be
    // written once the fault passes.
    bool isTransient() const;

    // The same error, said of the table (and field) the failing call did not know.
    StoreError in(const std::string& table, const std::string& field = {}) const;

private:
    StoreFault fault_;
    StorePlace place_;
    std::string detail_;
};

// The fault of a failed SQLite call, from its extended result code; the folder of `file` tells a folder
// that cannot be written from another failure to open a file beside it.
StoreFault faultOfResultCode(int extendedCode, const std::filesystem::path& file);

// Throws the StoreError of a failed SQLite call on `db`, whose file names the place.
[[noreturn]] void throwStoreError(sqlite3* db, int extendedCode, std::string_view detail = {});

} // namespace usina::store
