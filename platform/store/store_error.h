#pragma once
// Turns a failed SQLite call into the run-time error the callers see.

#include <string_view>

struct sqlite3;

namespace usina::store {

// A broken primary key or unique constraint is a duplicate key; anything else a store failure.
// `context` says what was being done, SQLite's own message follows it.
[[noreturn]] void throwStoreError(sqlite3* db, int resultCode, std::string_view context);

} // namespace usina::store
