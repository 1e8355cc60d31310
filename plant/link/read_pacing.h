#pragma once
// How register reads wait while the controller is silent. A read that gets no answer holds the one
// user-interface thread for the whole time-out, and a polling phase makes up to three reads: a silent
// controller would hold the window 0,6 s of every 0,1 s tick. So once a read has timed out the line
// counts as silent, and the reads that follow give up at once (their requests still go out). A read
// waits again when the line shows life: bytes that came in since the last read (a silent controller
// sends none; one that is back answers the requests that did not wait). Every probe interval one read
// waits anyway, in case a controller answers but nothing else shows it. For the rest of the tick that
// timed out no read waits, so no tick holds the window longer than one time-out.

#include <optional>

namespace usina {

class ReadPacing {
public:
    // Longer than the rest of a tick after a time-out, shorter than the next regular tick.
    static constexpr double quietAfterTimeOutSeconds = 0.3;
    static constexpr double probeIntervalSeconds = 2.0;

    // Whether the read that starts at `now` (elapsed seconds) waits for its answer; `heard` tells whether
    // bytes came in since the last read.
    bool waits(double now, bool heard);
    void answered() { silentSince_.reset(); }
    void timedOut(double startedAt) { silentSince_ = startedAt; }
    bool silent() const { return silentSince_.has_value(); }

private:
    std::optional<double> silentSince_;
    double lastWait_ = 0;
};

} // namespace usina
