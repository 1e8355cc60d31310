#pragma once
// The fields of one table as its file declares them: names, types, defaults and the key.

#include "platform/store/field_type.h"
#include "platform/value/value.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace usina::store {

class Connection;

struct FieldInfo {
    std::string name; // as the file spells it
    FieldType type = FieldType::Any;
    std::string declaredType;           // as the schema spells it ("DOUBLE", "TEXT(50)"); "" for none
    Value defaultValue = Value::null(); // what a new row holds when the field is not written
};

class TableSchema {
public:
    // Missing table: RunTimeError(tableNotFound) naming the table and the file.
    static TableSchema read(const Connection& connection, const std::string& table);

    const std::vector<FieldInfo>& fields() const { return fields_; }
    // Without regard to case, accented letters too.
    std::optional<std::size_t> find(std::string_view fieldName) const;
    std::optional<std::size_t> keyField() const { return key_; }
    // An INTEGER PRIMARY KEY is the row's own number: the store assigns it when it is not written.
    bool keyIsRowNumber() const { return keyIsRowNumber_; }
    // The store gives every new row its identity (its rowid or its number): no key is typed.
    bool storeNumbersRows() const { return !key_ || keyIsRowNumber_; }
    // The quoted column that finds a row again: the key field, or the rowid.
    std::string identityColumn() const;

private:
    std::vector<FieldInfo> fields_;
    std::unordered_map<std::string, std::size_t> byFoldedName_;
    std::optional<std::size_t> key_;
    bool keyIsRowNumber_ = false;
};

} // namespace usina::store
