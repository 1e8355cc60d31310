#include "core/language_column.h"

#include "core/databases.h"
#include "platform/store/query_recordset.h"
#include "platform/value/text.h"

#include <algorithm>
#include <array>

namespace usina {

namespace {

const std::array<const char*, 6> languages{"portugues", "espanhol", "ingles",
                                           "italiano",  "frances",  "alemao"};

bool sameName(const std::string& a, const std::string& b) {
    return compareFolded(a, b) == 0;
}

} // namespace

std::optional<std::string> languageColumnNamed(const Databases& db, const std::string& name) {
    if (std::none_of(languages.begin(), languages.end(), [&](const char* l) { return sameName(l, name); })) {
        return std::nullopt;
    }
    const store::StorePlace place = db.placeOf(db.LanguageRecordset);
    store::QueryRecordset columns;
    columns.open(place.file, "SELECT * FROM " + place.table + " LIMIT 0", {});
    for (const std::string& column : columns.fieldNames()) {
        if (sameName(column, name)) {
            return column;
        }
    }
    return std::nullopt;
}

} // namespace usina
