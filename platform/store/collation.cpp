#include "platform/store/schema_conventions.h"

#include "platform/value/run_time_error.h"
#include "platform/value/text.h"

#include <sqlite3.h>

#include <string>
#include <string_view>

namespace usina::store {
namespace {

int compareRawBytes(std::string_view a, std::string_view b) {
    const int order = a.compare(b);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

// SQLite calls this from C, so no exception may leave it; should folding fail (out of memory), the
// bytes decide.
int comparePtNoCase(void*, int lengthA, const void* a, int lengthB, const void* b) {
    const std::string_view textA(static_cast<const char*>(a), static_cast<std::size_t>(lengthA));
    const std::string_view textB(static_cast<const char*>(b), static_cast<std::size_t>(lengthB));
    try {
        return compareFolded(textA, textB);
    } catch (...) {
        return compareRawBytes(textA, textB);
    }
}

} // namespace

void registerCollations(sqlite3* db) {
    if (sqlite3_create_collation_v2(db, keyCollation, SQLITE_UTF8, nullptr, comparePtNoCase, nullptr) !=
        SQLITE_OK)
        throw RunTimeError(error_number::storeFailure,
                           std::string("Não foi possível registrar a ordenação ") + keyCollation + ": " +
                               sqlite3_errmsg(db));
}

} // namespace usina::store
