#pragma once
// The production report: the tons of each mix produced in a date range, stored as a numbered report
// (one RelProducao row per mix) and listed one line per mix.

#include "platform/forms/control_array.h"
#include "reports/grouped_report_window.h"

namespace usina {

class FormRelProducao : public GroupedReportWindow {
public:
    explicit FormRelProducao(Station& station);

    forms::Label Label5{*this, "Label5"};
    forms::Label Label6{*this, "Label6"};
    forms::ControlArray<forms::Label> Label2{*this, "Label2", 0, 1};
    forms::ListBox ListRelProd{*this, "ListRelProd"};

    static const GroupedReportKind& kind();

protected:
    forms::ListBox& reportList() override { return ListRelProd; }
    forms::Label& numberLabel() override { return Label6; }
    void showNoPrinterDialog() override;
};

} // namespace usina
