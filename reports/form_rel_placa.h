#pragma once
// The plate report: per truck plate, the number of loads and the tons they carried in a date range,
// stored as a numbered report (one RelPlacas row per plate) and listed one line per plate.

#include "reports/grouped_report_window.h"
#include "reports/plate_number_series.h"

namespace usina {

struct ReportsState;

class FormRelPlaca : public GroupedReportWindow {
public:
    explicit FormRelPlaca(Station& station);

    forms::Label Label5{*this, "Label5"};
    forms::Label Lblnum{*this, "Lblnum"};
    forms::Label Label3{*this, "Label3"};
    forms::Label Label4{*this, "Label4"};
    forms::Label Label6{*this, "Label6"};
    forms::ListBox ListRelPlacas{*this, "ListRelPlacas"};

    static const GroupedReportKind& kind();

protected:
    forms::ListBox& reportList() override { return ListRelPlacas; }
    forms::Label& numberLabel() override { return Lblnum; }
    std::int64_t nextNumber() override;
    void reportStored(std::int64_t number) override;
    void showNoPrinterDialog() override;

private:
    ReportsState& reports;
    PlateNumberSeries series{st};
};

} // namespace usina
