#pragma once
// SIGTERM and SIGINT (a service stop, Ctrl+C in the terminal) close the main window the way the
// person would: the plant outputs go to 0 and the files are closed, or the close is refused while the
// plant runs, exactly as the window's own close button. From the first instruction of the program on
// they only note the request, so that none ends the program under the station's feet.

#include <functional>

namespace usina {

// Installs the handlers; the first thing main() does.
void catchTerminationSignals();

// `requested` runs on the user-interface thread, from the event loop, once for each request, a
// request made before this call included. Needs the application object.
void onTerminationSignal(std::function<void()> requested);

} // namespace usina
