#pragma once
// Serves the controller protocol on the master side of the pseudo-terminal. With pacing, every byte takes
// the wire time of a 4800-baud 8N1 line (ten bits) in each direction: a frame counts as received when
// its last byte would have arrived, and each answer byte is handed over when it would have finished
// arriving at the station. Times are kept as absolute deadlines, so rounding never accumulates.

#include "tools/plantsim/cli/frame_log.h"
#include "tools/plantsim/controller_responder.h"
#include "tools/plantsim/frame_decoder.h"

#include <chrono>
#include <deque>

namespace usina::plantsim {

class ControllerServer {
public:
    using Clock = std::chrono::steady_clock;

    ControllerServer(int masterFd, ControllerResponder& responder, FrameLog& log, bool pace);

    // Serves until stopFd becomes readable.
    void run(int stopFd);

    static constexpr std::chrono::nanoseconds byteWireTime{10'000'000'000 / 4800};

private:
    struct TimedByte {
        Clock::time_point due;
        std::uint8_t byte;
    };

    void receive(Clock::time_point now);
    void takeDueInput(Clock::time_point now);
    void sendDueOutput(Clock::time_point now);
    double secondsAt(Clock::time_point time) const;
    // When the next byte in either direction falls due, or nullopt when the line is idle.
    std::optional<Clock::time_point> nextDeadline() const;

    int master_;
    ControllerResponder& responder_;
    FrameLog& log_;
    std::chrono::nanoseconds perByte_;
    FrameDecoder decoder_;
    Clock::time_point start_ = Clock::now();
    std::deque<TimedByte> incoming_;
    std::deque<TimedByte> outgoing_;
    Clock::time_point incomingBusyUntil_{};
    Clock::time_point outgoingBusyUntil_{};
};

} // namespace usina::plantsim
