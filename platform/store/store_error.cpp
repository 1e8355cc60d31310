#include "platform/store/store_error.h"

#include "platform/value/run_time_error.h"

#include <sqlite3.h>

#include <string>

namespace usina::store {

void throwStoreError(sqlite3* db, int resultCode, std::string_view context) {
    const int number = (resultCode == SQLITE_CONSTRAINT_PRIMARYKEY || resultCode == SQLITE_CONSTRAINT_UNIQUE)
                           ? error_number::duplicateKey
                           : error_number::storeFailure;
    const char* detail = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(resultCode);
    throw RunTimeError(number, std::string(context) + ": " + detail);
}

} // namespace usina::store
