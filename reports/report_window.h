#pragma once
// What the four report windows share: the letterhead, the report number's title, the date range with
// its two boxes and their check, the two buttons, the fixed-pitch list with its headings, and printing
// the window with its no-printer dialog.

#include "core/station_form.h"
#include "platform/forms/command_button.h"
#include "platform/forms/decoration.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/list_control.h"
#include "platform/forms/text_box.h"
#include "reports/report_dates.h"

#include <functional>
#include <optional>
#include <string>

namespace usina {

struct ReportLayout {
    // The title of the report number ("Relatório de Produção Nº").
    std::string numberTitle;
    int width = 600;
    int height = 480;
    // The report number's title and the number beside it.
    int numberTitleWidth = 220;
    // The list's fixed-pitch font; the headings above it in the window's font of that size.
    double listPointSize = 9;
    double headingPointSize = 8.25;
    // Rows of headings above the list.
    int headingRows = 1;
    bool headingBold = true;
};

class ReportWindow : public StationForm {
public:
    ReportWindow(Station& station, std::string name, std::string caption);

    // ---- letterhead and number ----
    forms::Label Label16{*this, "Label16"};
    forms::Image Image1{*this, "Image1"};
    forms::Image Image2{*this, "Image2"};
    forms::Label Label1{*this, "Label1"};

    // ---- the range ----
    forms::Frame Frame1{*this, "Frame1"};
    forms::Label LblInstrucao{*this, "LblInstrucao"};
    forms::TextBox datai{*this, "datai"};
    forms::TextBox dataf{*this, "dataf"};
    forms::CommandButton CmdOk{*this, "CmdOk"};
    forms::CommandButton CmdImprimir{*this, "CmdImprimir"};

protected:
    // Places the shared controls and the window's own label between the date boxes, number and list.
    void layOut(const ReportLayout& layout, forms::Label& untilLabel, forms::Label& numberLabel,
                forms::ListBox& list);
    // A heading above the list's characters [firstChar, endChar), in heading row `row`.
    void placeHeading(forms::Label& heading, int firstChar, int endChar, forms::Alignment alignment,
                      int row = 0);
    // A line between column groups, at `atChar` characters from the line's start, over the headings.
    void placeSeparator(forms::Line& line, double atChar);

    Date today() const;
    // The opening's range: both boxes show today's date and the range is that day.
    DateRange showToday();
    // The typed range; when a box holds no date, that box gets the date check's message and nothing
    // else happens.
    std::optional<DateRange> typedRange();
    // The date check of a box that loses the focus: a text that is no date gives "Data invalida" on the
    // message line, a beep, an empty box and the focus back to it. True when the text is a date.
    bool checkDateBox(forms::TextBox& box);

    // Printing: `firstStep` (save the report row, or advance the number), the buttons hidden, the
    // window's image on the default printer, the buttons back. A failure of the print (always caught)
    // shows CmdOk again and the no-printer dialog modally; a failure before it only while the error
    // trap is on.
    void printWindow(const std::function<void()>& firstStep);
    virtual void showNoPrinterDialog() = 0;

private:
    int listLeft_ = 0;
    int listTop_ = 0;
    double charWidth_ = 0;
    int headingHeight_ = 16;
    double headingPointSize_ = 8.25;
    bool headingBold_ = true;
};

} // namespace usina
