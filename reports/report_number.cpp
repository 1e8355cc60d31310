#include "reports/report_number.h"

#include "platform/store/table_recordset.h"
#include "platform/value/conversions.h"
#include "platform/value/format_mask.h"

namespace usina {

std::int64_t storedReportNumber(const Value& num) {
    if (!isNumeric(num) || num.isEmpty()) {
        return 0;
    }
    const double number = wholePart(toDouble(num));
    return number > 0 && number < 1e15 ? static_cast<std::int64_t>(number) : 0;
}

std::int64_t nextReportNumber(store::TableRecordset& reports) {
    reports.moveLast();
    if (reports.eof()) {
        return 1;
    }
    return storedReportNumber(reports.field("num")) + 1;
}

std::string reportNumberText(std::int64_t number) {
    return formatNumber(static_cast<double>(number), "00000000");
}

} // namespace usina
