#pragma once
// SIGTERM and SIGINT (a service stop, a system shutdown, Ctrl+C in the terminal) ask the station to
// end. From the first instruction of the program on they only note the request, so that none ends the
// program under the station's feet; the event loop then hands it on.

#include <functional>
#include <string>

namespace usina {

// Installs the handlers; the first thing main() does.
void catchTerminationSignals();

// `requested` runs on the user-interface thread, from the event loop, once for each request (a request
// made before this call included), with the signal's name ("SIGTERM", "SIGINT"). Needs the application
// object.
void onTerminationSignal(std::function<void(const std::string& signalName)> requested);

} // namespace usina
