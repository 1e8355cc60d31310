#include "reports/export_windows.h"

#include "core/station.h"
#include "reports/form_datas.h"

namespace usina {

void registerExportWindows(Station& station) {
    station.defineForm<FormDatas>();
}

} // namespace usina
