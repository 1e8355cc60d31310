#pragma once
// The windows of this folder, defined in the station's form registry.

namespace usina {

class Station;

void registerCoreWindows(Station& station);

} // namespace usina
