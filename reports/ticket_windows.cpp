#include "reports/ticket_windows.h"

#include "core/station.h"
#include "reports/form_erro1.h"
#include "reports/form_rel_carga.h"

namespace usina {

void registerTicketWindows(Station& station) {
    station.defineForm<FormRelCarga>();
    station.defineForm<FormErro1>();
}

} // namespace usina
