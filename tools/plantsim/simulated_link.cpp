#include "tools/plantsim/simulated_link.h"

#include <utility>

namespace usina::plantsim {

SimulatedLink::SimulatedLink(PlantModel& model, std::function<double()> modelSeconds, AnswerFaults faults)
    : responder_(model, faults), modelSeconds_(std::move(modelSeconds)) {}

void SimulatedLink::close() {
    open_ = false;
    input_.clear();
}

void SimulatedLink::send(std::span<const std::uint8_t> bytes) {
    if (!open_) {
        return;
    }
    for (const Frame& frame : decoder_.feed(bytes)) {
        frames_.push_back(frame);
        const auto reply = responder_.respond(frame, modelSeconds_());
        input_.insert(input_.end(), reply.begin(), reply.end());
    }
}

bool SimulatedLink::sendBeforeClosing(std::span<const std::uint8_t> bytes,
                                      std::chrono::steady_clock::time_point) {
    send(bytes);
    return open_;
}

bool SimulatedLink::waitReadable(std::chrono::microseconds timeout) {
    if (!open_) {
        return false;
    }
    if (input_.empty() && onIdleWait) {
        onIdleWait(timeout);
    }
    return !input_.empty();
}

std::vector<std::uint8_t> SimulatedLink::readAvailable() {
    return std::exchange(input_, {});
}

void SimulatedLink::injectInput(std::span<const std::uint8_t> bytes) {
    input_.insert(input_.end(), bytes.begin(), bytes.end());
}

} // namespace usina::plantsim
