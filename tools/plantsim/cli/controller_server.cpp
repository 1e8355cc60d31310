#include "tools/plantsim/cli/controller_server.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <stdexcept>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace usina::plantsim {
namespace {

timespec untilDeadline(ControllerServer::Clock::time_point deadline) {
    const auto left =
        std::max(deadline - ControllerServer::Clock::now(), ControllerServer::Clock::duration::zero());
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(left);
    return {static_cast<time_t>(seconds.count()),
            static_cast<long>(std::chrono::nanoseconds(left - seconds).count())};
}

} // namespace

ControllerServer::ControllerServer(int masterFd, ControllerResponder& responder, FrameLog& log, bool pace)
    : master_(masterFd), responder_(responder), log_(log),
      perByte_(pace ? byteWireTime : std::chrono::nanoseconds(0)) {}

void ControllerServer::run(int stopFd) {
    using namespace std::chrono_literals;
    for (;;) {
        const auto now = Clock::now();
        takeDueInput(now);
        sendDueOutput(now);
        const auto deadline = nextDeadline();
        timespec wait{};
        if (deadline) {
            wait = untilDeadline(*deadline);
        }
        pollfd watched[2] = {{master_, POLLIN, 0}, {stopFd, POLLIN, 0}};
        const int ready = ::ppoll(watched, 2, deadline ? &wait : nullptr, nullptr);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready < 0) {
            throw std::runtime_error("ppoll: " + std::error_code(errno, std::generic_category()).message());
        }
        if (watched[1].revents != 0) {
            return;
        }
        if ((watched[0].revents & POLLIN) != 0) {
            receive(Clock::now());
        } else if ((watched[0].revents & (POLLHUP | POLLERR)) != 0) {
            // No slave side open: wait for one without spinning.
            pollfd stop{stopFd, POLLIN, 0};
            if (::poll(&stop, 1, 100) > 0) {
                return;
            }
        }
    }
}

void ControllerServer::receive(Clock::time_point now) {
    std::uint8_t chunk[256];
    for (;;) {
        const ssize_t count = ::read(master_, chunk, sizeof chunk);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return;
        }
        for (ssize_t i = 0; i < count; ++i) {
            incomingBusyUntil_ = std::max(incomingBusyUntil_, now) + perByte_;
            incoming_.push_back({incomingBusyUntil_, chunk[i]});
        }
    }
}

void ControllerServer::takeDueInput(Clock::time_point now) {
    while (!incoming_.empty() && incoming_.front().due <= now) {
        const TimedByte arrived = incoming_.front();
        incoming_.pop_front();
        const double seconds = secondsAt(arrived.due);
        const std::size_t discardedBefore = decoder_.discardedBytes();
        const auto frames = decoder_.feed(std::span(&arrived.byte, 1));
        if (decoder_.discardedBytes() != discardedBefore) {
            log_.discarded(seconds, decoder_.discardedBytes() - discardedBefore);
        }
        for (const Frame& frame : frames) {
            const auto reply = responder_.respond(frame, seconds);
            log_.frame(seconds, frame, reply);
            for (const std::uint8_t byte : reply) {
                outgoingBusyUntil_ = std::max(outgoingBusyUntil_, arrived.due) + perByte_;
                outgoing_.push_back({outgoingBusyUntil_, byte});
            }
        }
    }
}

void ControllerServer::sendDueOutput(Clock::time_point now) {
    std::vector<std::uint8_t> due;
    while (!outgoing_.empty() && outgoing_.front().due <= now) {
        due.push_back(outgoing_.front().byte);
        outgoing_.pop_front();
    }
    if (!due.empty()) {
        // A station that does not read loses what overflows its input, as on a real line.
        [[maybe_unused]] const ssize_t written = ::write(master_, due.data(), due.size());
    }
}

double ControllerServer::secondsAt(Clock::time_point time) const {
    return std::chrono::duration<double>(time - start_).count();
}

std::optional<ControllerServer::Clock::time_point> ControllerServer::nextDeadline() const {
    std::optional<Clock::time_point> next;
    for (const auto* queue : {&incoming_, &outgoing_}) {
        if (!queue->empty() && (!next || queue->front().due < *next)) {
            next = queue->front().due;
        }
    }
    return next;
}

} // namespace usina::plantsim
