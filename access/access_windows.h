#pragma once

namespace usina {

class Station;

// The logins (and, as they come, the users screens).
void registerAccessWindows(Station& station);

} // namespace usina
