#include "reports/reports_windows.h"

#include "reports/form_rel_materiais.h"
#include "reports/form_rel_placa.h"
#include "reports/form_rel_producao.h"
#include "reports/form_rel_temp.h"
#include "reports/no_printer_dialog.h"

namespace usina {

void registerReportsWindows(Station& station) {
    station.defineForm<FormRelProducao>();
    station.defineForm<FormRelMateriais>();
    station.defineForm<FormRelPlaca>();
    station.defineForm<FormRelTemp>();
    station.defineForm<FormErro2>();
    station.defineForm<FormErro3>();
    station.defineForm<FormErro4>();
    station.defineForm<FormErro5>();
}

} // namespace usina
