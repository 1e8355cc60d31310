#include "reports/form_rel_materiais.h"

#include "reports/no_printer_dialog.h"
#include "reports/reports_state.h"

namespace usina {

const GroupedReportKind& FormRelMateriais::kind() {
    static const GroupedReportKind materials{
        "datranvik.mdb",
        "Tabela",
        "DATA",
        "receita",
        {ReportFigure{"tot_s1"}, ReportFigure{"tot_s2"}, ReportFigure{"tot_s3"}, ReportFigure{"tot_s4"},
         ReportFigure{"par_asf"}, ReportFigure{"par_fil"}, ReportFigure{"par_fibra"}, ReportFigure{"tot_s5"},
         ReportFigure{"par_malt"}},
        &Databases::RelConMatRecordset,
        "Nome_traco",
        {"Silo1", "Silo2", "Silo3", "Silo4", "CAP", "Filler", "Fibra", "Fresado", "Malteno"},
        {blanks(1), LineColumn{10, true}, LineColumn{10, false}, LineColumn{12, false}, LineColumn{12, false},
         LineColumn{12, false}, LineColumn{12, false}, LineColumn{12, false}, LineColumn{12, false},
         LineColumn{12, false}, LineColumn{12, false}},
    };
    return materials;
}

FormRelMateriais::FormRelMateriais(Station& station)
    : GroupedReportWindow(station, "FormRelMateriais", "Relatório de Consumo de Materiais", kind(),
                          station.group<ReportsState>().MaterialsReportRows,
                          HandlerLabels{"Form_load", "cmdOK", "datai.text", "dataf.text", nullptr},
                          EmptiedBeforeSumming::atClick) {
    // The whole line and every heading fit the window in a smaller fixed-pitch font, the headings of 13
    // characters over columns of 12 in the window's font without bold: the printed image holds every column.
    layOut(ReportLayout{"Relatório de Consumo de Materiais Nº", 792, 500, 330, 7.5, 7.5, 1, false}, Label12,
           Label11, ListRelMat);
    Label2.setCaption("Traço");
    placeHeading(Label2, 1, 11, forms::Alignment::Left);
    forms::Label* figures[] = {&Label3, &Label4, &Label5,  &Label6, &Label7,
                               &Label8, &Label9, &Label10, &Label13};
    const char* headings[] = {"Silo1(tons)",  "Silo2(tons)", "Silo3(tons)",   "Silo4(tons)",  "CAP(tons)",
                              "Filler(tons)", "Fibra(tons)", "Fresado(tons)", "Malteno(tons)"};
    int end = 21;
    for (int i = 0; i < 9; ++i) {
        figures[i]->setCaption(headings[i]);
        placeHeading(*figures[i], end - 12, end, forms::Alignment::Right);
        end += 12;
    }
}

void FormRelMateriais::showNoPrinterDialog() {
    st.form<FormErro3>().ShowModal();
}

} // namespace usina
