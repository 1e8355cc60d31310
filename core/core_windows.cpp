#include "core/core_windows.h"

#include "core/form_splash.h"

namespace usina {

void registerCoreWindows(Station& station) {
    station.defineForm<FormSplash>();
}

} // namespace usina
