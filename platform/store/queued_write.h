#pragma once
// One row write handed to the write queue: a new row or the change of a stored one, in stored form,
// with what the queue learns about it once it has tried.

#include "platform/store/row_writing.h"
#include "platform/store/stored_value.h"

#include <memory>
#include <string>

namespace usina::store {

class TableSchema;

struct QueuedWrite {
    enum class State { waiting, written, refused };

    std::string table;
    std::shared_ptr<const TableSchema> schema;
    bool isNew = false;
    WrittenFields written;
    // The changed row; for a new row, the number the store gave it while the file was busy.
    StoredValue identity;
    bool numberedWhileWaiting = false;
    // Records and settings survive a power cut; the totals row, saved twice a second, need not.
    bool durable = true;

    State state = State::waiting;
    StoredValue writtenIdentity; // once written
};

} // namespace usina::store
