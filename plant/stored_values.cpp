#include "plant/stored_values.h"

#include "platform/value/conversions.h"
#include "platform/value/run_time_error.h"

#include <cmath>

namespace usina {

double storedNumber(const Value& v) {
    if (v.isEmpty() || v.isDate() || v.isTime()) {
        throw typeMismatchError();
    }
    const double d = toDouble(v);
    if (!std::isfinite(d)) {
        throw overflowError();
    }
    return d;
}

Value StoredRow::raw(const std::string& field) {
    return rs_.field(field);
}

std::string StoredRow::text(const std::string& field) {
    const Value v = rs_.field(field);
    return v.isNull() ? std::string() : toText(v);
}

} // namespace usina
