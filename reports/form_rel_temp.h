#pragma once
// The temperature report: the truck loads of a date range, ordered by plate, with the minimum, mean and
// maximum of each temperature channel during the load, the values outside their limits marked, and a
// rating per load. It stores nothing; its number is the plate reports' number, advanced by each print.

#include "platform/forms/decoration.h"
#include "reports/plate_number_series.h"
#include "reports/report_window.h"

#include <array>

namespace usina {

class FormRelTemp : public ReportWindow {
public:
    explicit FormRelTemp(Station& station);

    void Form_Load() override;
    void CmdOk_Click();
    void CmdImprimir_Click();
    void datai_LostFocus();
    void dataf_LostFocus();

    forms::Label Label5{*this, "Label5"};
    forms::Label Lblnum{*this, "Lblnum"};
    forms::Label Label3{*this, "Label3"};
    forms::Label Label6{*this, "Label6"};
    forms::Label Lblmat1{*this, "Lblmat1"};
    forms::Label Lblmat2{*this, "Lblmat2"};
    forms::Label Lblmat3{*this, "Lblmat3"};
    forms::Label Lblmat4{*this, "Lblmat4"};
    forms::Label Lblmat5{*this, "Lblmat5"};
    forms::Label Label4{*this, "Label4"};
    forms::Label Label7{*this, "Label7"};
    forms::Label Label8{*this, "Label8"};
    forms::Label Label10{*this, "Label10"};
    forms::Label Label11{*this, "Label11"};
    forms::Label Label12{*this, "Label12"};
    forms::Label Label14{*this, "Label14"};
    forms::Label Label15{*this, "Label15"};
    forms::Label Label17{*this, "Label17"};
    forms::Label Label18{*this, "Label18"};
    forms::Label Label13{*this, "Label13"};
    forms::Label Label9{*this, "Label9"};
    forms::Label Label21{*this, "Label21"};
    forms::Label Label20{*this, "Label20"};
    forms::Label Label19{*this, "Label19"};
    forms::Label Label2{*this, "Label2"};
    forms::Line Line1{*this, "Line1"};
    forms::Line Line2{*this, "Line2"};
    forms::Line Line3{*this, "Line3"};
    forms::Line Line4{*this, "Line4"};
    forms::Line Line5{*this, "Line5"};
    forms::ListBox ListRelPlacas{*this, "ListRelPlacas"};

protected:
    void showNoPrinterDialog() override;

private:
    enum class Headings { currentChannels, firstLoad };
    void layOutHeadings();
    std::array<forms::Label*, 5> channelNames();
    void showCurrentChannelNames();
    void listLoads(DateRange range, Headings headings);

    PlateNumberSeries series{st};
};

} // namespace usina
