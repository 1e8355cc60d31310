#include "reports/form_rel_placa.h"

#include "reports/no_printer_dialog.h"
#include "reports/reports_state.h"

namespace usina {

const GroupedReportKind& FormRelPlaca::kind() {
    static const GroupedReportKind plates{
        "dat2.mdb",
        "RelCarga",
        "data_emissao",
        "placa",
        {ReportFigure{nullptr, 1, "0"}, ReportFigure{"quant_carga", 1000, "###0.00"}},
        &Databases::RelPlacasRecordset,
        "NumPlaca",
        {"NumCargas", "SomaProducao"},
        {blanks(2), LineColumn{30, true}, LineColumn{10, false}, LineColumn{34, false}},
    };
    return plates;
}

FormRelPlaca::FormRelPlaca(Station& station)
    : GroupedReportWindow(station, "FormRelPlaca", "Relatório de Placas", kind(),
                          station.group<ReportsState>().PlateReportRows,
                          HandlerLabels{"Form_load", "cmdOK", "datai", "dataf", "Form_unload"},
                          EmptiedBeforeSumming::atOpening),
      reports(station.group<ReportsState>()) {
    layOut(ReportLayout{"Relatório de Placas Nº", 600, 480, 200}, Label5, Lblnum, ListRelPlacas);
    Label3.setCaption("Placa");
    placeHeading(Label3, 2, 26, forms::Alignment::Left);
    Label4.setCaption("Nº de cargas");
    placeHeading(Label4, 27, 42, forms::Alignment::Right);
    Label6.setCaption("tons");
    placeHeading(Label6, 50, 76, forms::Alignment::Right);
}

std::int64_t FormRelPlaca::nextNumber() {
    return series.nextNumber();
}

void FormRelPlaca::reportStored(std::int64_t number) {
    reports.RelPlacasNumber = number;
}

void FormRelPlaca::showNoPrinterDialog() {
    st.form<FormErro2>().ShowModal();
}

} // namespace usina
