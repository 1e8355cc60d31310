#include "app/station_windows.h"

#include "access/access_windows.h"
#include "core/core_windows.h"
#include "plant/plant_windows.h"
#include "reports/export_windows.h"
#include "reports/reports_windows.h"
#include "reports/ticket_windows.h"
#include "setup/setup_windows.h"

namespace usina {

void registerStationWindows(Station& station) {
    registerCoreWindows(station);
    registerSetupWindows(station);
    registerAccessWindows(station);
    registerPlantWindows(station);
    registerExportWindows(station);
    registerReportsWindows(station);
    registerTicketWindows(station);
}

} // namespace usina
