#include "access/access_windows.h"

#include "access/login_dialogs.h"

namespace usina {

void registerAccessWindows(Station& station) {
    station.defineForm<FormLogin1>();
    station.defineForm<FormLogin3>();
    station.defineForm<FormLogin5>();
}

} // namespace usina
