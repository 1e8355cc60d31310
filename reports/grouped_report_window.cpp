#include "reports/grouped_report_window.h"

#include "reports/report_number.h"

namespace usina {

GroupedReportWindow::GroupedReportWindow(Station& station, std::string name, std::string caption,
                                         const GroupedReportKind& kind, GroupingTable& rows,
                                         HandlerLabels labels, EmptiedBeforeSumming emptied)
    : ReportWindow(station, std::move(name), std::move(caption)), kind_(kind), rows_(rows), labels_(labels),
      emptied_(emptied) {
    CmdOk.Click = [this] { CmdOk_Click(); };
    CmdImprimir.Click = [this] { CmdImprimir_Click(); };
    datai.LostFocus = [this] { datai_LostFocus(); };
    dataf.LostFocus = [this] { dataf_LostFocus(); };
}

void GroupedReportWindow::trapped(const char* label, const std::function<void()>& body) {
    if (label == nullptr) {
        body();
    } else {
        services.RunTrapped(name(), label, body);
    }
}

void GroupedReportWindow::Form_Load() {
    trapped(labels_.load, [this] {
        services.TranslateForm(*this);
        build(showToday(), true);
    });
}

void GroupedReportWindow::CmdOk_Click() {
    trapped(labels_.cmdOk, [this] {
        if (const std::optional<DateRange> range = typedRange()) {
            build(*range, false);
        }
    });
}

void GroupedReportWindow::build(DateRange range, bool atOpening) {
    reportList().clear();
    if (emptied_ == (atOpening ? EmptiedBeforeSumming::atOpening : EmptiedBeforeSumming::atClick)) {
        rows_.clear();
    }
    putIntoSlots(kind_, sumRange(st.programFolder(), kind_, range), rows_);
    if (rows_.isEmpty()) {
        return;
    }
    const std::int64_t number = nextNumber();
    const ReportStamp stamp{number, today(), st.clock().timeOfDay(),
                            selectionText(datai.text(), dataf.text(), today())};
    storeReport(kind_, rows_, db, stamp,
                [this](const std::string& storedNumber, const GroupingTable::Slot& slot) {
                    numberLabel().setCaption(storedNumber);
                    reportList().addItem(slotLine(kind_, slot));
                });
    reportStored(number);
}

std::int64_t GroupedReportWindow::nextNumber() {
    return nextReportNumber(db.*kind_.reports);
}

void GroupedReportWindow::datai_LostFocus() {
    trapped(labels_.datai, [this] {
        checkDateBox(datai);
        rows_.clear();
    });
}

void GroupedReportWindow::dataf_LostFocus() {
    trapped(labels_.dataf, [this] {
        checkDateBox(dataf);
        rows_.clear();
    });
}

void GroupedReportWindow::CmdImprimir_Click() {
    printWindow([this] { (db.*kind_.reports).update(); });
}

void GroupedReportWindow::Form_Unload(int& Cancel) {
    (void)Cancel;
    trapped(labels_.unload, [this] {
        (db.*kind_.reports).update();
        rows_.clear();
    });
}

} // namespace usina
