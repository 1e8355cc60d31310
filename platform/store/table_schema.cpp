#include "platform/store/table_schema.h"

#include "platform/store/connection.h"
#include "platform/store/field_conversion.h"
#include "platform/store/sql_text.h"
#include "platform/store/store_error.h"
#include "platform/value/text.h"

#include <variant>

namespace usina::store {
namespace {

std::string textOf(const StoredValue& stored) {
    return std::holds_alternative<std::string>(stored) ? std::get<std::string>(stored) : std::string();
}

// The default is an SQL expression written in the file's own schema.
Value evaluateDefault(const Connection& connection, const std::string& expression, FieldType type) {
    const auto row = connection.prepare("SELECT " + expression).fetchRow();
    return row ? fromStoredForm(type, row->at(0)) : Value::null();
}

} // namespace

TableSchema TableSchema::read(const Connection& connection, const std::string& table) {
    TableSchema schema;
    Statement columns = connection.prepare("SELECT name, type, dflt_value, pk FROM pragma_table_info(?1)");
    columns.bindAll({table});
    int keyColumns = 0;
    while (columns.step()) {
        FieldInfo field;
        field.name = textOf(columns.column(0));
        const std::string declared = textOf(columns.column(1));
        field.type = fieldTypeFromDeclared(declared);
        field.declaredType = declared;
        const StoredValue defaultExpression = columns.column(2);
        if (!isStoredNull(defaultExpression))
            field.defaultValue = evaluateDefault(connection, textOf(defaultExpression), field.type);
        if (std::get<std::int64_t>(columns.column(3)) > 0) {
            ++keyColumns;
            schema.key_ = schema.fields_.size();
            schema.keyIsRowNumber_ = foldCase(declared) == "integer";
        }
        schema.byFoldedName_.emplace(foldCase(field.name), schema.fields_.size());
        schema.fields_.push_back(std::move(field));
    }
    columns.reset();
    if (schema.fields_.empty())
        throw StoreError(StoreFault::missingTable, {connection.file(), table});
    if (keyColumns > 1)
        throw StoreError(StoreFault::failure, {connection.file(), table},
                         "chave de mais de um campo não suportada");
    return schema;
}

std::string TableSchema::identityColumn() const {
    return key_ ? quoteIdentifier(fields_[*key_].name) : std::string("rowid");
}

std::optional<std::size_t> TableSchema::find(std::string_view fieldName) const {
    const auto found = byFoldedName_.find(foldCase(fieldName));
    if (found == byFoldedName_.end())
        return std::nullopt;
    return found->second;
}

} // namespace usina::store
