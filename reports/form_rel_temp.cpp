#include "reports/form_rel_temp.h"

#include "plant/controller/link.h"
#include "platform/value/conversions.h"
#include "reports/loads_in_plate_order.h"
#include "reports/no_printer_dialog.h"
#include "reports/reports_state.h"

#include <array>

namespace usina {

namespace {

std::string textOf(const Value& value) {
    return value.isNull() || value.isEmpty() ? std::string() : toText(value);
}

} // namespace

FormRelTemp::FormRelTemp(Station& station)
    : ReportWindow(station, "FormRelTemp", "Relatório de Temperatura") {
    // The whole line of 128 characters and every heading fit the window in a small fixed-pitch font.
    layOut(ReportLayout{"Relatório de Temperaturas Nº", 792, 500, 250, 7, 7, 2}, Label5, Lblnum,
           ListRelPlacas);
    layOutHeadings();
    CmdOk.Click = [this] { CmdOk_Click(); };
    CmdImprimir.Click = [this] { CmdImprimir_Click(); };
    datai.LostFocus = [this] { datai_LostFocus(); };
    dataf.LostFocus = [this] { dataf_LostFocus(); };
}

// Over the pieces of the line: plate [0,9), tons [9,15), then per channel its minimum, mean and maximum,
// the groups two blanks apart, and the rating from character 121.
void FormRelTemp::layOutHeadings() {
    using forms::Alignment;
    Label3.setCaption("Placa");
    placeHeading(Label3, 0, 9, Alignment::Left, 1);
    Label6.setCaption("tons");
    placeHeading(Label6, 9, 15, Alignment::Right, 1);
    const std::array<forms::Label*, 5> names = channelNames();
    const std::array<std::array<forms::Label*, 3>, 5> subheadings{{{&Label4, &Label7, &Label8},
                                                                   {&Label10, &Label11, &Label12},
                                                                   {&Label14, &Label15, &Label17},
                                                                   {&Label18, &Label13, &Label9},
                                                                   {&Label21, &Label20, &Label19}}};
    const std::array<std::array<int, 3>, 5> widths{{{7, 6, 7}, {6, 6, 7}, {5, 6, 7}, {6, 6, 7}, {6, 6, 7}}};
    const std::array<forms::Line*, 5> lines{&Line1, &Line2, &Line3, &Line4, &Line5};
    const char* captions[] = {"Min", "Med", "Max"};
    int at = 16;
    for (std::size_t k = 0; k < 5; ++k) {
        const int groupStart = at;
        // In the middle of the blanks before the group: one after the tons, two between channels.
        placeSeparator(*lines[k], groupStart - (k == 0 ? 0.5 : 1.0));
        for (std::size_t v = 0; v < 3; ++v) {
            subheadings[k][v]->setCaption(captions[v]);
            placeHeading(*subheadings[k][v], at, at + widths[k][v], Alignment::Right, 1);
            at += widths[k][v];
        }
        placeHeading(*names[k], groupStart, at, Alignment::Center, 0);
        at += 2;
    }
    Label2.setCaption("Status");
    placeHeading(Label2, 121, 128, Alignment::Left, 1);
}

std::array<forms::Label*, 5> FormRelTemp::channelNames() {
    return {&Lblmat1, &Lblmat2, &Lblmat3, &Lblmat4, &Lblmat5};
}

void FormRelTemp::Form_Load() {
    services.RunTrapped(name(), "cmdOK", [this] {
        services.TranslateForm(*this);
        const DateRange range = showToday();
        ListRelPlacas.clear();
        showCurrentChannelNames();
        listLoads(range, Headings::currentChannels);
    });
}

void FormRelTemp::CmdOk_Click() {
    services.RunTrapped(name(), "cmdOK", [this] {
        if (const std::optional<DateRange> range = typedRange()) {
            ListRelPlacas.clear();
            listLoads(*range, Headings::firstLoad);
        }
    });
}

void FormRelTemp::showCurrentChannelNames() {
    db.ConstantsRecordset.moveFirst();
    for (std::size_t k = 0; k < 5; ++k) {
        channelNames()[k]->setCaption(textOf(db.ConstantsRecordset.field("nomet" + std::to_string(k + 1))));
    }
}

// The loads of the range in plate order; none leaves the number and the headings as they were.
void FormRelTemp::listLoads(DateRange range, Headings headings) {
    const LoadsInPlateOrder loads =
        loadsInPlateOrder(st.programFolder() / "dat2.mdb", range, st.group<Link>().HasFiveTemperatures);
    if (loads.lines.empty()) {
        return;
    }
    Lblnum.setCaption(series.lastNumberText());
    if (headings == Headings::firstLoad) {
        for (std::size_t k = 0; k < 5; ++k) {
            channelNames()[k]->setCaption(loads.firstChannelNames[k]);
        }
    } else {
        showCurrentChannelNames();
    }
    for (const std::string& line : loads.lines) {
        ListRelPlacas.addItem(line);
    }
    db.RelPlacasRecordset.moveLast();
}

void FormRelTemp::datai_LostFocus() {
    services.RunTrapped(name(), "datai", [this] { checkDateBox(datai); });
}

void FormRelTemp::dataf_LostFocus() {
    checkDateBox(dataf);
}

void FormRelTemp::CmdImprimir_Click() {
    printWindow([this] {
        series.advance();
        st.group<ReportsState>().RelPlacasNumber = series.lastNumber();
    });
}

void FormRelTemp::showNoPrinterDialog() {
    st.form<FormErro5>().ShowModal();
}

} // namespace usina
