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
    // The columns read, and the order of the rows ("" for the table's own order).
    std::string columns;
    std::string orderBy;
};

// Opens `query` on the rows whose date lies in the range, both days included. A short range is read
// through the date index; a range that holds a large share of the table is read straight through the
// table, which then costs far less than a lookup in the table for every row of the index.
void openDateRange(store::QueryRecordset& query, const std::filesystem::path& file,
                   const DateRangeSelect& select, DateRange range);

} // namespace usina
