#include "reports/report_window.h"

#include "core/design.h"
#include "platform/forms/window_system.h"
#include "platform/value/conversions.h"
#include "reports/print_window.h"

#include <cmath>

namespace usina {

using design::captioned;
using design::place;

namespace {

// The renderer shows a fixed-pitch font as DejaVu Sans Mono, whose characters are 0.602 of its size
// wide, at 96 pixels to the inch; the list's text starts a few pixels inside its frame.
constexpr double monoAdvance = 0.602;
constexpr int listTextInset = 4;

int pixelsOfPoints(double points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

} // namespace

ReportWindow::ReportWindow(Station& station, std::string name, std::string caption)
    : StationForm(station, std::move(name)) {
    setCaption(std::move(caption));
    setBorderStyle(forms::BorderStyle::FixedSingle);
}

void ReportWindow::layOut(const ReportLayout& layout, forms::Label& untilLabel, forms::Label& numberLabel,
                          forms::ListBox& list) {
    const int w = layout.width;
    setClientSize(w, layout.height);

    place(Image1, nullptr, 8, 6, 44, 44).setPicture("logo");
    place(Image2, nullptr, w - 8 - 150, 8, 150, 40).setPicture("plant");
    captioned(Label16, nullptr, 60, 16, w - 60 - 8 - 150 - 8, 24, "Ranvik - Usinas de Asfalto");
    Label16.setFont(design::boldFont(12));
    Label16.setAlignment(forms::Alignment::Center);

    captioned(Label1, nullptr, 8, 58, layout.numberTitleWidth, 20, layout.numberTitle);
    Label1.setFont(design::boldFont(10));
    place(numberLabel, nullptr, 12 + layout.numberTitleWidth, 58, 120, 20);
    numberLabel.setFont(design::boldFont(10));

    const int frameWidth = w - 16;
    captioned(Frame1, nullptr, 8, 84, frameWidth, 74, "Intervalo");
    captioned(LblInstrucao, &Frame1, 10, 18, frameWidth - 20, 16,
              "Digite o intervalo de datas desejado e clique em Gerar Relatório.");
    place(datai, &Frame1, 10, 40, 96, 22);
    captioned(untilLabel, &Frame1, 110, 43, 44, 16, "até");
    untilLabel.setAlignment(forms::Alignment::Center);
    place(dataf, &Frame1, 158, 40, 96, 22);
    captioned(CmdOk, &Frame1, frameWidth - 10 - 2 * 150 - 8, 37, 150, 26, "&Gerar Relatório");
    captioned(CmdImprimir, &Frame1, frameWidth - 10 - 150, 37, 150, 26, "&Imprimir");

    headingHeight_ = pixelsOfPoints(layout.headingPointSize) + 5;
    headingPointSize_ = layout.headingPointSize;
    headingBold_ = layout.headingBold;
    listLeft_ = 8;
    listTop_ = 166 + layout.headingRows * headingHeight_ + 2;
    charWidth_ = pixelsOfPoints(layout.listPointSize) * monoAdvance;
    place(list, nullptr, listLeft_, listTop_, w - 16, layout.height - listTop_ - 8);
    list.setFont(forms::Font{"Terminal", layout.listPointSize, true});
}

void ReportWindow::placeHeading(forms::Label& heading, int firstChar, int endChar, forms::Alignment alignment,
                                int row) {
    const int left = listLeft_ + listTextInset + static_cast<int>(std::lround(firstChar * charWidth_));
    const int right = listLeft_ + listTextInset + static_cast<int>(std::lround(endChar * charWidth_));
    place(heading, nullptr, left, 166 + row * headingHeight_, right - left, headingHeight_);
    heading.setAlignment(alignment);
    heading.setFont(forms::Font{"MS Sans Serif", headingPointSize_, headingBold_});
}

void ReportWindow::placeSeparator(forms::Line& line, double atChar) {
    const int x = listLeft_ + listTextInset + static_cast<int>(std::lround(atChar * charWidth_));
    place(line, nullptr, x, 164, 0, listTop_ - 164 - 2);
}

Date ReportWindow::today() const {
    return st.clock().today();
}

DateRange ReportWindow::showToday() {
    const Date day = today();
    datai.setText(shortDate(day));
    dataf.setText(shortDate(day));
    return DateRange{day, day};
}

std::optional<DateRange> ReportWindow::typedRange() {
    const std::optional<Date> first = dateInBox(datai.text(), today());
    const std::optional<Date> last = dateInBox(dataf.text(), today());
    if (first && last) {
        return DateRange{*first, *last};
    }
    // A bad box that holds the focus again was told so by its own check as the click left it.
    forms::TextBox& bad = first ? dataf : datai;
    if (!datai.hasFocus() && !dataf.hasFocus()) {
        checkDateBox(bad);
    }
    return std::nullopt;
}

bool ReportWindow::checkDateBox(forms::TextBox& box) {
    if (dateInBox(box.text(), today())) {
        return true;
    }
    services.ShowOccurrence(services.TranslateText("Data invalida"));
    st.ws().beep();
    box.setText("");
    box.SetFocus();
    return false;
}

void ReportWindow::printWindow(const std::function<void()>& firstStep) {
    const auto printFailed = [&] {
        CmdOk.setVisible(true);
        showNoPrinterDialog();
    };
    if (services.ErrorTrapEnabled == 1) {
        try {
            firstStep();
        } catch (const RunTimeError&) {
            printFailed();
            return;
        }
    } else {
        firstStep();
    }
    if (!printWindowImage(*this, CmdOk, CmdImprimir)) {
        printFailed();
    }
}

} // namespace usina
