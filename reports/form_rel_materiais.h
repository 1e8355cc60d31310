#pragma once
// The materials report: the tons of each material each mix consumed in a date range (silos 1 to 4,
// CAP, filler, fibre, recycled material, malteno), stored as a numbered report (one RelConMat row per
// mix) and listed one line of 117 characters per mix.

#include "reports/grouped_report_window.h"

namespace usina {

class FormRelMateriais : public GroupedReportWindow {
public:
    explicit FormRelMateriais(Station& station);

    forms::Label Label12{*this, "Label12"};
    forms::Label Label11{*this, "Label11"};
    forms::Label Label2{*this, "Label2"};
    forms::Label Label3{*this, "Label3"};
    forms::Label Label4{*this, "Label4"};
    forms::Label Label5{*this, "Label5"};
    forms::Label Label6{*this, "Label6"};
    forms::Label Label7{*this, "Label7"};
    forms::Label Label8{*this, "Label8"};
    forms::Label Label9{*this, "Label9"};
    forms::Label Label10{*this, "Label10"};
    forms::Label Label13{*this, "Label13"};
    forms::ListBox ListRelMat{*this, "ListRelMat"};

    static const GroupedReportKind& kind();

protected:
    forms::ListBox& reportList() override { return ListRelMat; }
    forms::Label& numberLabel() override { return Label11; }
    void showNoPrinterDialog() override;
};

} // namespace usina
