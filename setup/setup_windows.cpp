#include "setup/setup_windows.h"

#include "setup/form_altera_rec.h"
#include "setup/form_config.h"
#include "setup/idioma.h"

namespace usina {

void registerSetupWindows(Station& station) {
    station.defineForm<FormConfig>();
    station.defineForm<FormAltera_rec>();
    station.defineForm<Idioma>();
}

} // namespace usina
