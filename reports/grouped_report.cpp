#include "reports/grouped_report.h"

#include "platform/store/query_recordset.h"
#include "platform/value/conversions.h"
#include "platform/value/format_mask.h"
#include "reports/date_range_query.h"
#include "reports/report_number.h"

namespace usina {

namespace {

double summand(const Value& value) {
    if (value.isNumber()) {
        return value.number();
    }
    return !value.isNull() && !value.isEmpty() && isNumeric(value) ? toDouble(value) : 0.0;
}

// The group and, per figure, its total over the range (or the count of rows) as SQLite adds them up: a
// Null counts as 0. The groups are the stored names exactly (letter case counts).
std::string groupTotals(const GroupedReportKind& kind) {
    std::string columns = kind.keyField;
    for (const ReportFigure& figure : kind.figures) {
        if (figure.field == nullptr) {
            columns += ", COUNT(*)";
        } else if (figure.divisor != 1) {
            columns += std::string(", TOTAL(") + figure.field + " / " + std::to_string(figure.divisor) + ")";
        } else {
            columns += std::string(", TOTAL(") + figure.field + ")";
        }
    }
    return columns;
}

} // namespace

GroupSums sumRange(const std::filesystem::path& programFolder, const GroupedReportKind& kind,
                   DateRange range) {
    store::QueryRecordset query;
    openDateRange(query, programFolder / kind.file,
                  DateRangeSelect{kind.table, kind.dateField, groupTotals(kind),
                                  std::string("GROUP BY ") + kind.keyField},
                  range);
    GroupSums sums(kind.figures.size());
    std::vector<double> figures(kind.figures.size());
    const std::string emptyKey;
    for (; !query.eof(); query.moveNext()) {
        for (std::size_t f = 0; f < figures.size(); ++f) {
            figures[f] = summand(query.fieldAt(f + 1));
        }
        // A Null name and an empty one are one group, the empty name.
        const Value& key = query.fieldAt(0);
        if (key.isText()) {
            sums.add(key.text(), figures.data());
        } else {
            sums.add(key.isNull() || key.isEmpty() ? emptyKey : toText(key), figures.data());
        }
    }
    query.close();
    return sums;
}

void putIntoSlots(const GroupedReportKind& kind, const GroupSums& sums, GroupingTable& table) {
    for (const GroupSums::Group& group : sums.inNameOrder()) {
        std::vector<std::string> texts;
        for (std::size_t f = 0; f < kind.figures.size(); ++f) {
            texts.push_back(formatNumber(group.sums[f], kind.figures[f].mask));
        }
        table.put(group.key, std::move(texts));
    }
}

std::string slotLine(const GroupedReportKind& kind, const GroupingTable::Slot& slot) {
    std::vector<std::string> texts{"", slot.key};
    texts.insert(texts.end(), slot.figures.begin(), slot.figures.end());
    return fixedWidthLine(kind.line, texts);
}

void storeReport(
    const GroupedReportKind& kind, const GroupingTable& table, Databases& db, const ReportStamp& stamp,
    const std::function<void(const std::string& storedNumber, const GroupingTable::Slot&)>& added) {
    store::TableRecordset& reports = db.*kind.reports;
    for (int i = 0; i < GroupingTable::slotCount; ++i) {
        const GroupingTable::Slot& slot = table[i];
        if (!slot.occupied) {
            continue;
        }
        reports.addNew();
        reports("Num") = Value(reportNumberText(stamp.number));
        reports("Data_emissão") = Value(stamp.date);
        reports("Hora_emissão") = Value(stamp.time);
        reports(kind.reportKeyField) = Value(slot.key);
        for (std::size_t f = 0; f < kind.reportFigureFields.size(); ++f) {
            reports(kind.reportFigureFields[f]) = Value(slot.figures[f]);
        }
        reports("DataSelecao") = Value(stamp.selection);
        reports("item") = Value(i + 1);
        added(toText(reports.field("Num")), slot);
        reports.update();
    }
}

} // namespace usina
