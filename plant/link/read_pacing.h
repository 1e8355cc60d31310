#pragma once
// How register reads wait while the controller is silent. A read that gets no answer holds the one
// user-interface thread for the whole time-out, and a polling phase makes up to three reads: a silent
// controller would hold the window 0,6 s of every 0,1 s tick. But one lost answer is no silence, and the
// read after it waits as always, or a good value would be lost with it. Two time-outs in a row make the
// line silent: the tick that finds it so waits two time-outs at most. While it is silent a read gives up
// at once (its request still goes out) unless bytes came in since the last read (a silent controller
// sends none; one that is back answers the requests that did not wait) or a probe interval has passed,
// in case a controller answers but nothing else shows it. After a time-out no read waits for the rest of
// that tick, so no tick of a silent line holds the window longer than one time-out. An answer ends the
// silence at once.

namespace usina {

class ReadPacing {
public:
    static constexpr int silentAfterTimeOutsInRow = 2;
    // Longer than the rest of a tick after a time-out, shorter than the next regular tick.
    static constexpr double quietAfterTimeOutSeconds = 0.3;
    static constexpr double probeIntervalSeconds = 2.0;

    // Whether the read that starts at `now` (elapsed seconds) waits for its answer; `heard` tells whether
    // bytes came in since the last read.
    bool waits(double now, bool heard) const;
    // What came of a read that waited, started at `startedAt`.
    void answered(double startedAt);
    void timedOut(double startedAt);
    bool silent() const { return timeOutsInRow_ >= silentAfterTimeOutsInRow; }

private:
    int timeOutsInRow_ = 0;
    double lastTimeOut_ = 0;
    double lastWait_ = 0;
};

} // namespace usina
