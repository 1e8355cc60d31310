#pragma once
// Reads the fields of the current row of a recordset, noting the first one that is empty, no number or
// too large for what it feeds, so a loader can check a whole row before it changes anything and say
// which file, table, field and value it could not use.

#include "core/databases.h"
#include "platform/store/store_error.h"
#include "platform/store/table_recordset.h"
#include "platform/value/value.h"

#include <optional>
#include <string>

namespace usina {

// A stored number as the process uses it; Null, an empty value, a text that is no number, a date, a
// time and an infinite number are refused with the run-time error that says why.
double storedNumber(const Value& v);

class StoredRow {
public:
    StoredRow(Databases& db, store::TableRecordset& rs) : db_(db), rs_(rs) {}

    // The field through `convert` (from its Value); what `convert` refuses is noted, and the result
    // is then a zero of its type.
    template <class Convert> auto converted(const std::string& field, Convert convert) {
        using Result = decltype(convert(Value()));
        try {
            return db_.convertedField(rs_, field, convert);
        } catch (const store::StoreError& refusal) {
            if (!failure_) {
                failure_ = refusal;
            }
            return Result{};
        }
    }
    // The field as a double, through storedNumber.
    double number(const std::string& field) { return converted(field, storedNumber); }
    // The field as text; Null reads as "" (a name left blank is no fault).
    std::string text(const std::string& field);
    // The raw value, for fields that may legitimately be empty.
    Value raw(const std::string& field);

    bool ok() const { return !failure_; }
    // The field of the first refusal; "" while the row is ok.
    std::string failedField() const { return failure_ ? failure_->field() : std::string(); }
    // The first refusal, naming the file, table, field and value.
    const std::optional<store::StoreError>& failure() const { return failure_; }

private:
    Databases& db_;
    store::TableRecordset& rs_;
    std::optional<store::StoreError> failure_;
};

} // namespace usina
