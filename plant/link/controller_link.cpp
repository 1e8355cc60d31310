#include "plant/link/controller_link.h"

#include "plant/link/controller_protocol.h"

#include <array>
#include <cmath>
#include <utility>

namespace usina {
namespace {

// Rounded up past the deadline, so that a wait that runs out has waited strictly more than the time-out.
std::chrono::microseconds waitUntilPastTimeout(double elapsedSeconds) {
    const double left = ControllerLink::readTimeoutSeconds - elapsedSeconds;
    return std::chrono::microseconds(static_cast<long long>(std::floor(left * 1e6)) + 1);
}

} // namespace

ControllerLink::ControllerLink(serial::ByteLink& port, std::function<double()> monotonicSeconds)
    : port_(port), monotonicSeconds_(std::move(monotonicSeconds)) {}

void ControllerLink::open() {
    port_.open();
}

void ControllerLink::close() {
    port_.close();
}

bool ControllerLink::isOpen() const {
    return port_.isOpen();
}

std::optional<std::uint8_t> ControllerLink::readRegister(std::uint8_t address) {
    port_.discardInput();
    using namespace controller_protocol;
    const std::array<std::uint8_t, readFrameSize> frame{readCommand, secondByte, address};
    port_.send(frame);
    const double start = monotonicSeconds_();
    double now = start;
    while (now - start <= readTimeoutSeconds) {
        if (port_.waitReadable(waitUntilPastTimeout(now - start))) {
            if (const auto received = port_.readAvailable(); !received.empty()) {
                return received.front();
            }
        }
        const double before = now;
        now = monotonicSeconds_();
        // A closed port fails at once, and a clock that did not move would make this loop forever.
        if (!port_.isOpen() || now <= before) {
            break;
        }
    }
    return std::nullopt;
}

void ControllerLink::writeRegister(std::uint8_t address, std::uint8_t value) {
    using namespace controller_protocol;
    const std::array<std::uint8_t, writeFrameSize> frame{writeCommand, secondByte, address, value};
    port_.send(frame);
}

std::optional<std::string> ControllerLink::takeFault() {
    return port_.takeFault();
}

} // namespace usina
