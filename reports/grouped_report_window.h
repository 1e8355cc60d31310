#pragma once
// The window of a grouped report (production, materials, plates): every opening builds, stores and lists
// the report of the current day; "&Gerar Relatório" does the same for the typed range; leaving a date
// box or closing the window empties the grouping table, which otherwise keeps its slots between builds.

#include "reports/grouped_report.h"
#include "reports/report_window.h"

#include <cstdint>
#include <string>

namespace usina {

// The error log's label of each handler; none: the handler installs no trap.
struct HandlerLabels {
    const char* load;
    const char* cmdOk;
    const char* datai;
    const char* dataf;
    const char* unload;
};

// When a build empties the grouping table before it sums (besides the date boxes and the unload).
enum class EmptiedBeforeSumming { never, atOpening, atClick };

class GroupedReportWindow : public ReportWindow {
public:
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void CmdOk_Click();
    void CmdImprimir_Click();
    void datai_LostFocus();
    void dataf_LostFocus();

protected:
    GroupedReportWindow(Station& station, std::string name, std::string caption,
                        const GroupedReportKind& kind, GroupingTable& rows, HandlerLabels labels,
                        EmptiedBeforeSumming emptied);

    virtual forms::ListBox& reportList() = 0;
    virtual forms::Label& numberLabel() = 0;
    // The new report's number: the last stored row's number plus 1.
    virtual std::int64_t nextNumber();
    // After a report was stored under `number`.
    virtual void reportStored(std::int64_t number) { (void)number; }

private:
    void build(DateRange range, bool atOpening);
    void trapped(const char* label, const std::function<void()>& body);

    const GroupedReportKind& kind_;
    GroupingTable& rows_;
    HandlerLabels labels_;
    EmptiedBeforeSumming emptied_;
};

} // namespace usina
