#include "core/delivered_fields.h"

#include "core/delivered_schema_scripts.h"
#include "platform/store/declared_schema.h"
#include "platform/store/store_error.h"
#include "platform/store/table_recordset.h"
#include "platform/store/table_schema.h"
#include "platform/value/text.h"

#include <map>
#include <string>
#include <vector>

namespace usina {

namespace {

using store::FieldType;

// The delivered tables of one file, read once from its script.
const std::vector<store::DeclaredTable>& deliveredTablesOf(const std::string& fileName) {
    using TablesByFile = std::map<std::string, std::vector<store::DeclaredTable>>;
    static const TablesByFile byFile = [] {
        TablesByFile tables;
        for (const DeliveredSchemaScript& s : deliveredSchemaScripts()) {
            tables.emplace(std::string(s.file), store::tablesDeclaredBy(s.script));
        }
        return tables;
    }();
    static const std::vector<store::DeclaredTable> none;
    const auto found = byFile.find(fileName);
    return found == byFile.end() ? none : found->second;
}

const store::DeclaredTable* deliveredTable(const std::string& fileName, const std::string& table) {
    for (const store::DeclaredTable& delivered : deliveredTablesOf(fileName)) {
        if (compareFolded(delivered.name, table) == 0) {
            return &delivered;
        }
    }
    return nullptr;
}

// Nothing reads or writes the fields of bits; the interface texts are found by their key, and of
// their language columns the main window's load takes the one in use, or Portuguese.
bool fieldsAreLeftToTheirReaders(const std::string& table) {
    return table == "bits" || table == "lingua";
}

// A user's level, "1" to "3", which the logins read back as text: a whole number keeps it too.
bool holdsALevel(const std::string& table, const std::string& field) {
    return table == "senhas" && compareFolded(field, "permissao") == 0;
}

// Whether a field the file types as `found` keeps what the station stores in a field of the delivered
// type `wanted`. A whole number fits a wider number. A field of no type keeps numbers and texts as
// they are written, but a date or a time only as a text, which reads back as no date.
bool keepsWhatIsStored(FieldType wanted, FieldType found) {
    if (found == wanted || wanted == FieldType::Any) {
        return true;
    }
    switch (wanted) {
    case FieldType::Text:
    case FieldType::Double:
        return found == FieldType::Any;
    case FieldType::SmallInt:
        return found == FieldType::Integer || found == FieldType::Double || found == FieldType::Any;
    case FieldType::Integer:
        return found == FieldType::Double || found == FieldType::Any;
    default:
        return false;
    }
}

bool isNumberType(FieldType type) {
    return type == FieldType::SmallInt || type == FieldType::Integer || type == FieldType::Double;
}

std::string typeMismatch(const store::FieldInfo& wanted, const store::FieldInfo& found) {
    const std::string is = found.declaredType.empty() ? "não tem tipo" : "é " + found.declaredType;
    return is + ", deve ser " + wanted.declaredType;
}

} // namespace

void checkDeliveredFields(const store::TableRecordset& rs, const std::filesystem::path& file) {
    const std::string& table = rs.tableName();
    const store::DeclaredTable* delivered = deliveredTable(file.filename().string(), table);
    if (delivered == nullptr || fieldsAreLeftToTheirReaders(table)) {
        return;
    }
    const store::TableSchema& present = rs.schema();
    for (const store::FieldInfo& wanted : delivered->fields) {
        const auto index = present.find(wanted.name);
        if (!index) {
            throw store::StoreError(store::StoreFault::missingField, {file, table, wanted.name});
        }
        const store::FieldInfo& found = present.fields()[*index];
        const bool usable = keepsWhatIsStored(wanted.type, found.type) ||
                            (holdsALevel(table, wanted.name) && isNumberType(found.type));
        if (!usable) {
            throw store::StoreError(store::StoreFault::unusableFieldType, {file, table, wanted.name},
                                    typeMismatch(wanted, found));
        }
    }
}

} // namespace usina
