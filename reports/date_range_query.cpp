#include "reports/date_range_query.h"

#include "platform/store/query_recordset.h"
#include "platform/value/conversions.h"

namespace usina {

namespace {

// Beyond this share of the table's rows, reading the whole table is the faster way.
constexpr int indexShareLimit = 8;

// Counts the rows of the range through the index, stopping at the share beyond which the index does
// not pay: the count costs at most that share of the index, never the table.
bool rangeHoldsMuchOfTable(store::QueryRecordset& probe, const std::filesystem::path& file,
                           const DateRangeSelect& select, DateRange range) {
    const std::string& t = select.table;
    const std::string& d = select.dateField;
    probe.open(file,
               "SELECT (SELECT MAX(rowid) FROM " + t +
                   ") AS rows_at_most, (SELECT COUNT(*) FROM (SELECT 1 FROM " + t + " WHERE " + d +
                   " >= ?1 AND " + d + " <= ?2 LIMIT COALESCE((SELECT MAX(rowid) FROM " + t + "), 0) / " +
                   std::to_string(indexShareLimit) + ")) AS counted",
               {Value(range.first), Value(range.last)});
    const Value rows = probe.field("rows_at_most");
    const double limit = rows.isNumber() ? wholePart(rows.number() / indexShareLimit) : 0;
    const bool much = limit > 0 && toDouble(probe.field("counted")) >= limit;
    probe.close();
    return much;
}

} // namespace

void openDateRange(store::QueryRecordset& query, const std::filesystem::path& file,
                   const DateRangeSelect& select, DateRange range) {
    // "+" keeps the planner off the date index.
    const std::string date =
        (rangeHoldsMuchOfTable(query, file, select, range) ? "+" : "") + select.dateField;
    std::string sql = "SELECT " + select.columns + " FROM " + select.table + " WHERE " + date + " >= ? AND " +
                      date + " <= ?";
    if (!select.tail.empty()) {
        sql += " " + select.tail;
    }
    query.open(file, sql, {Value(range.first), Value(range.last)});
}

} // namespace usina
