#pragma once
// A report's query over the rows of a date range, with the dates bound as parameters.

#include "reports/report_dates.h"

#include <filesystem>
#include <string>

namespace usina {

namespace store {
class QueryRecordset;
}

struct DateRangeSelect {
    std::string table;
    std::string dateField;
    // The columns read, and what follows the range: the grouping or the order of the rows ("" for none).
    std::string columns;
    std::string tail;
};

// Opens `query` on the rows whose date lies in the range, both days included. A short range is read
// through the date index; for a range that holds a large share of the table the date index is left
// aside (a lookup in the table for each of its rows costs far more than reading the table straight
// through, or an index that holds the columns read in the order of the grouping).
void openDateRange(store::QueryRecordset& query, const std::filesystem::path& file,
                   const DateRangeSelect& select, DateRange range);

} // namespace usina
