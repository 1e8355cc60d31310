#include "platform/store/schema_conventions.h"

#include "platform/store/key_order/key_order.h"
#include "platform/value/run_time_error.h"

#include <sqlite3.h>

#include <string>

namespace usina::store {

void registerCollations(sqlite3* db) {
    if (sqlite3_create_collation_v2(db, keyCollation, SQLITE_UTF8, nullptr, compareKeysForSqlite, nullptr) !=
        SQLITE_OK)
        throw RunTimeError(error_number::storeFailure,
                           std::string("Não foi possível registrar a ordenação ") + keyCollation + ": " +
                               sqlite3_errmsg(db));
}

} // namespace usina::store
