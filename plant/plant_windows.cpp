#include "plant/plant_windows.h"

#include "plant/form_ranvikv5.h"

namespace usina {

void registerPlantWindows(Station& station) {
    station.defineMainWindow<FormRanvikv5>();
}

} // namespace usina
