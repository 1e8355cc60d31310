#pragma once
// Every folder's windows in the station's form registry: what a station needs before it runs.

namespace usina {

class Station;

void registerStationWindows(Station& station);

} // namespace usina
