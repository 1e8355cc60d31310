#pragma once
// Values into a field's stored form and back.

#include "platform/store/field_type.h"
#include "platform/store/stored_value.h"
#include "platform/value/value.h"

#include <string>

namespace usina::store {

// Null stores NULL. Numbers take numbers, numeric texts in the regional form and Booleans (True = -1);
// whole-number fields round halves to even and check the range; texts take any value's text; dates take
// dates or date texts, times times or "HH:MM:SS". Empty stores 0 in a number field, "" in a text field,
// NULL in a date or time field (an unassigned value holds no date). Anything else throws RunTimeError.
StoredValue toStoredForm(FieldType type, const Value& value);

// NULL reads Null, numbers Number; a text reads Date or TimeOfDay in such a field when it holds the
// stored form, otherwise Text.
Value fromStoredForm(FieldType type, const StoredValue& stored);
// The same, taking the stored text over rather than copying it.
Value fromStoredForm(FieldType type, StoredValue&& stored);

// A value as a message shows it: texts in double quotes, Null and Empty by name.
std::string describeValue(const Value& value);

} // namespace usina::store
