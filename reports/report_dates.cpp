#include "reports/report_dates.h"

#include "platform/value/conversions.h"
#include "platform/value/format_mask.h"

namespace usina {

std::optional<Date> dateInBox(const std::string& text, Date today) {
    return parseDate(text, today);
}

std::string selectionText(const std::string& firstBox, const std::string& lastBox, Date today) {
    return format(Value(firstBox), "dd/mm/yy", today) + " ate " + format(Value(lastBox), "dd/mm/yy", today);
}

} // namespace usina
