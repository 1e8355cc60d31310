#pragma once
// The mechanism the production, materials and plate reports share: the rows of a date range add up
// per group, the groups take their slots in the report's grouping table in name order, and every
// occupied slot is stored as one row of a numbered report and listed as one fixed-width line.

#include "core/databases.h"
#include "reports/fixed_width_line.h"
#include "reports/group_sums.h"
#include "reports/grouping_table.h"
#include "reports/report_dates.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace usina {

struct ReportFigure {
    // The field summed; none: the figure counts the rows.
    const char* field = nullptr;
    // Each row's value divided by it before it is added (kilograms to tons: 1000).
    double divisor = 1;
    // How the slot and the stored report show the sum.
    const char* mask = "###0.00";
};

struct GroupedReportKind {
    // Where the rows come from.
    const char* file;
    const char* table;
    const char* dateField;
    const char* keyField;
    std::vector<ReportFigure> figures;
    // Where a report is stored: the group's field and one field per figure.
    store::TableRecordset Databases::*reports;
    const char* reportKeyField;
    std::vector<const char*> reportFigureFields;
    // The list line: the blanks before, the group, the figures.
    std::vector<LineColumn> line;
};

// Reads the range and adds up its rows per group. A Null in a summed field counts as 0; a Null group
// name is the empty name.
GroupSums sumRange(const std::filesystem::path& programFolder, const GroupedReportKind& kind,
                   DateRange range);

// The groups' sums into the table in name order, each formatted by its figure's mask.
void putIntoSlots(const GroupedReportKind& kind, const GroupSums& sums, GroupingTable& table);

std::string slotLine(const GroupedReportKind& kind, const GroupingTable::Slot& slot);

struct ReportStamp {
    std::int64_t number;
    Date date;
    TimeOfDay time;
    std::string selection;
};

// Adds one report row for every occupied slot, in slot order, all under the stamp's number; after
// each row is written and before it is saved, `added` gets the number read back from it and the slot.
void storeReport(
    const GroupedReportKind& kind, const GroupingTable& table, Databases& db, const ReportStamp& stamp,
    const std::function<void(const std::string& storedNumber, const GroupingTable::Slot&)>& added);

} // namespace usina
