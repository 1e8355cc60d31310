#pragma once
// A request from outside the window to end the program (SIGTERM, SIGINT: a service stop, a system
// shutdown, Ctrl+C). It stands until the program ends.

#include <optional>

namespace usina {

// How long the end waits for files that keep writes (another program holds them) before it gives
// those writes up.
inline constexpr double keptWritesWaitSeconds = 60;

struct EndRequest {
    bool requested = false;
    // The request found the plant running or stopping: the end follows the stop.
    bool afterTheStop = false;
    // When the end first found writes kept, on the clock's monotonic seconds.
    std::optional<double> keptWritesSince;
    // The wait is over: the close goes through, and what the files still refuse is lost.
    bool keptWritesGivenUp = false;
};

} // namespace usina
