#pragma once
// The users windows, defined in the station's form registry.

namespace usina {

class Station;

void registerUsersWindows(Station& station);

} // namespace usina
