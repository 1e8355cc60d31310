#include "reports/form_rel_producao.h"

#include "reports/no_printer_dialog.h"
#include "reports/reports_state.h"

namespace usina {

const GroupedReportKind& FormRelProducao::kind() {
    static const GroupedReportKind production{
        "datranvik.mdb",
        "Tabela",
        "DATA",
        "receita",
        {ReportFigure{"parcial"}},
        &Databases::RelProducaoRecordset,
        "Nome_traco",
        {"Prod"},
        {blanks(2), LineColumn{47, true}, LineColumn{7, false}},
    };
    return production;
}

FormRelProducao::FormRelProducao(Station& station)
    : GroupedReportWindow(station, "FormRelProducao", "Relatório de Produção", kind(),
                          station.group<ReportsState>().ProductionReportRows,
                          HandlerLabels{"Form_load", "dataf", "datai", "dataf", "Form_unload"},
                          EmptiedBeforeSumming::never) {
    layOut(ReportLayout{"Relatório de Produção Nº", 600, 480, 230}, Label5, Label6, ListRelProd);
    Label2[0].setCaption("Traço");
    placeHeading(Label2[0], 2, 30, forms::Alignment::Left);
    Label2[1].setCaption("Quantidade (tons)");
    placeHeading(Label2[1], 34, 56, forms::Alignment::Right);
}

void FormRelProducao::showNoPrinterDialog() {
    st.form<FormErro4>().ShowModal();
}

} // namespace usina
