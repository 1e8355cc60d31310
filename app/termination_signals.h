#pragma once
// SIGTERM and SIGINT (a service stop, Ctrl+C in the terminal) close the main window the way the
// person would: the plant outputs go to 0 and the files are closed, or the close is refused while the
// plant runs, exactly as the window's own close button.

#include <functional>

namespace usina {

// Installs the handlers; `closeRequested` runs on the user-interface thread, from the event loop.
void onTerminationSignal(std::function<void()> closeRequested);

} // namespace usina
