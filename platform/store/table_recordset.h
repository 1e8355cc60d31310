#pragma once
// A table opened table-direct with its "primarykey" index: one current row, walked in key order,
// with a pending new or edited row that Update saves in one transaction, through the write queue.
// A row the file refuses for now (busy, full, an I/O error) is kept and written later: until then the
// recordset reads it as it will be stored (a new row after the stored ones, a change over its row).
// Only rows the store identifies itself (no key, or a number it gives) and changes that keep their key
// can wait; a new mix or user, a renamed key and a delete are refused at once when the file is busy.

#include "platform/value/value.h"

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace usina::store {

class Connection;

class WriteQueue;

struct OpenOptions {
    // The totals row is saved twice a second: its commits go without a disk flush (synchronous
    // NORMAL); everything else survives a power cut (synchronous FULL).
    bool durableCommits = true;
    // The queue shared by every recordset of the station; none: the recordset keeps one of its own.
    std::shared_ptr<WriteQueue> writes;
};

class TableRecordset;
class TableSchema;

// A field of the current (or pending) row, read and written by name without regard to case.
class FieldRef {
public:
    FieldRef(TableRecordset& owner, std::string name) : owner_(owner), name_(std::move(name)) {}
    Value value() const;
    operator Value() const { return value(); }
    FieldRef& operator=(const Value& v);
    FieldRef& operator=(const FieldRef& other) { return *this = other.value(); }

private:
    TableRecordset& owner_;
    std::string name_;
};

class TableRecordset {
public:
    TableRecordset();
    ~TableRecordset();
    TableRecordset(const TableRecordset&) = delete;
    TableRecordset& operator=(const TableRecordset&) = delete;

    // Opens an existing file (never creates one) and an existing table. The current row is the first
    // in key order. Any fault: StoreError naming the file and the table.
    void open(const std::string& table, const std::filesystem::path& file, OpenOptions options = {});
    bool isOpen() const;
    // A row still pending is dropped, as the old recordsets refused to close over one.
    void close();

    // Only "primarykey" exists. Setting it again keeps a pending row pending.
    void setIndex(std::string_view indexName);

    // Seek and the moves save a pending row first, as AddNew does.
    // First row whose key equals `key` (text keys compare without regard to case); none: eof().
    void seek(const Value& key);
    // True when there is no current row (a pending new row is current).
    bool eof() const;
    void moveFirst();
    // From eof with no row to go on from: RunTimeError(noCurrentRecord). After deleteCurrent it goes
    // on from the removed row.
    void moveNext();
    void moveLast();

    FieldRef operator()(std::string_view fieldName) { return FieldRef(*this, std::string(fieldName)); }
    Value field(std::string_view fieldName) const;
    // Converts the value to the field's type. A failed conversion throws and cancels the pending row.
    void setField(std::string_view fieldName, const Value& value);

    // Starts a new row; a row pending from an earlier AddNew is saved first.
    void addNew();
    // Saves the pending new or edited row (one transaction); nothing pending: nothing happens. A row
    // that waits for its file reads as saved; a number the store gives (codigo_cupom) is there at once.
    void update();
    void cancelUpdate();
    bool hasPendingRow() const;
    // Removes the current row and leaves no current row; no current row: RunTimeError. A pending new
    // row is the current one: it is dropped and nothing stored is removed.
    void deleteCurrent();
    // Rows stored and rows waiting for the file.
    int recordCount() const;
    // This recordset's rows that wait for their file.
    std::size_t waitingCount() const;
    // Copies what was saved into the file itself and empties the file's write-ahead log, so no earlier
    // version of a changed row is left in either (a password replaced by its hash). A file whose writes
    // are kept, or that another program reads, keeps its log for now (the last close empties it): false.
    bool purgeOldVersions();

    const std::string& tableName() const;
    // The fields as the open table declares them.
    const TableSchema& schema() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace usina::store
