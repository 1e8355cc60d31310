#include "tools/plantsim/controller_responder.h"

#include <algorithm>

namespace usina::plantsim {

ControllerResponder::ControllerResponder(PlantModel& model, AnswerFaults faults)
    : model_(model), faults_(faults) {}

std::vector<std::uint8_t> ControllerResponder::respond(const Frame& frame, double seconds) {
    model_.advanceTo(seconds);
    if (frame.kind == Frame::Kind::Write) {
        model_.write(frame.address, frame.value);
        return {};
    }
    const std::uint8_t value = model_.read(frame.address);
    if (faults_.silent || dropsThisAnswer(frame)) {
        return {};
    }
    std::vector<std::uint8_t> reply(static_cast<std::size_t>(std::max(faults_.strayBytes, 0)), strayByte);
    reply.push_back(value);
    if (faults_.doubleAnswer) {
        reply.push_back(value);
    }
    return reply;
}

void ControllerResponder::setFaults(AnswerFaults faults) {
    faults_ = faults;
    readsOfDroppedAddress_ = 0;
}

bool ControllerResponder::dropsThisAnswer(const Frame& read) {
    const auto& dropped = faults_.droppedAnswer;
    if (!dropped || read.address != dropped->address) {
        return false;
    }
    return ++readsOfDroppedAddress_ == dropped->read;
}

} // namespace usina::plantsim
