#pragma once

namespace usina {

class Station;

// The logins and the users screens.
void registerAccessWindows(Station& station);

} // namespace usina
