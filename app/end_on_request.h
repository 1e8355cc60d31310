#pragma once
// What a request to end from outside (SIGTERM, SIGINT) does to the station.

#include <string>

namespace usina {

class Station;

// While the start runs, the start ends. Once it is over (`startOver`), the main window ends the program
// on request: a running plant stopped first, the kept writes waited for (FormRanvikv5::EndOnRequest),
// also behind a modal window, for a signal is no click on a window.
void endOnRequest(Station& station, bool startOver, const std::string& requester);

} // namespace usina
