#pragma once
// Reads the fields of the current row of a recordset, noting the first one that is empty or no number,
// so a loader can check a whole row before it changes anything.

#include "platform/store/table_recordset.h"
#include "platform/value/value.h"

#include <string>

namespace usina {

class StoredRow {
public:
    explicit StoredRow(const store::TableRecordset& rs) : rs_(rs) {}

    // The field as a double; 0 when it is Null or no number (and the row is then not ok).
    double number(const std::string& field);
    // The field as text; Null reads as "" (a name left blank is no fault).
    std::string text(const std::string& field);
    // The raw value, for fields that may legitimately be empty.
    Value raw(const std::string& field);

    bool ok() const { return failed_.empty(); }
    const std::string& failedField() const { return failed_; }

private:
    const store::TableRecordset& rs_;
    std::string failed_;
};

} // namespace usina
