#pragma once
// One prepared SQL statement: binds stored values, steps, reads columns. Every use ends with a reset,
// so no statement keeps a read transaction open between calls.

#include "platform/store/stored_value.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace usina::store {

class Statement {
public:
    Statement(sqlite3* db, sqlite3_stmt* handle) : db_(db), handle_(handle) {}
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Binds in order from the first placeholder.
    void bindAll(const std::vector<StoredValue>& parameters);
    // True while a row is there; false when done.
    bool step();
    // Back to the start, the bound values kept (a query read again from its first row).
    void reset();

    // Binds, steps once, reads the row (if any) and resets.
    std::optional<std::vector<StoredValue>> fetchRow(const std::vector<StoredValue>& parameters = {});
    // Binds and runs a statement that returns no rows, then resets.
    void run(const std::vector<StoredValue>& parameters = {});

    int parameterCount() const;
    // True for a statement that changes nothing in the file (a SELECT).
    bool isReadOnly() const;
    int columnCount() const;
    std::string columnName(int column) const;
    // The declared type of a result column that comes straight from a table column; "" otherwise.
    std::string columnDeclaredType(int column) const;
    // The table a result column comes straight from; "" otherwise.
    std::string columnTable(int column) const;
    StoredValue column(int column) const;
    // A number column read without the stored form's variant, for readers of many rows: the number
    // when the column holds a whole or a real number, none otherwise.
    std::optional<double> numberColumn(int column) const;
    std::vector<StoredValue> row() const;

private:
    void finalize() noexcept;

    sqlite3* db_ = nullptr;
    sqlite3_stmt* handle_ = nullptr;
};

} // namespace usina::store
