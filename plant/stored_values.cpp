#include "plant/stored_values.h"

#include "platform/value/conversions.h"
#include "platform/value/run_time_error.h"

#include <cmath>

namespace usina {

Value StoredRow::raw(const std::string& field) {
    return rs_.field(field);
}

double StoredRow::number(const std::string& field) {
    const Value v = rs_.field(field);
    if (!v.isNull() && !v.isEmpty() && isNumeric(v)) {
        const double d = toDouble(v);
        if (std::isfinite(d)) {
            return d;
        }
    }
    if (failed_.empty()) {
        failed_ = field;
    }
    return 0;
}

std::string StoredRow::text(const std::string& field) {
    const Value v = rs_.field(field);
    return v.isNull() ? std::string() : toText(v);
}

} // namespace usina
