#include "platform/store/transaction.h"

#include "platform/store/connection.h"

namespace usina::store {

Transaction::Transaction(const Connection& connection) : connection_(connection) {
    connection_.execute("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (!open_)
        return;
    try {
        connection_.execute("ROLLBACK");
    } catch (...) {
        // SQLite has already rolled back when the failure was a full disk or an I/O error.
    }
}

void Transaction::commit() {
    connection_.execute("COMMIT");
    open_ = false;
}

} // namespace usina::store
