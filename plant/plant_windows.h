#pragma once
// The windows of this folder, defined in the station's form registry; the main window among them.

namespace usina {

class Station;

void registerPlantWindows(Station& station);

} // namespace usina
