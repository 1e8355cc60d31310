// The loadable extension: registers the key collation on the connection of the tool that loads it.

#include "platform/store/key_order/key_order.h"

#include <sqlite3ext.h>

SQLITE_EXTENSION_INIT1

// The shell derives this name from the file name "ptnocase.so".
extern "C" __attribute__((visibility("default"))) int
sqlite3_ptnocase_init(sqlite3* db, char** /*errorMessage*/, const sqlite3_api_routines* api) {
    SQLITE_EXTENSION_INIT2(api);
    return sqlite3_create_collation_v2(db, usina::store::keyCollationName, SQLITE_UTF8, nullptr,
                                       usina::store::compareKeysForSqlite, nullptr);
}
