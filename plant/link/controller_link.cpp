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

std::array<std::uint8_t, controller_protocol::writeFrameSize> writeFrame(std::uint8_t address,
                                                                         std::uint8_t value) {
    using namespace controller_protocol;
    return {writeCommand, secondByte, address, value};
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

void ControllerLink::sendReadRequest(std::uint8_t address) {
    port_.discardInput();
    using namespace controller_protocol;
    const std::array<std::uint8_t, readFrameSize> frame{readCommand, secondByte, address};
    port_.send(frame);
}

bool ControllerLink::inputWaiting() {
    return port_.isOpen() && port_.waitReadable(std::chrono::microseconds::zero());
}

std::optional<std::uint8_t> ControllerLink::readRegister(std::uint8_t address) {
    sendReadRequest(address);
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
    port_.send(writeFrame(address, value));
}

std::size_t ControllerLink::writeAndClose(std::span<const RegisterWrite> writes) {
    const auto deadline = std::chrono::steady_clock::now() + closingBound;
    std::size_t sent = 0;
    for (const RegisterWrite& write : writes) {
        sent += port_.sendBeforeClosing(writeFrame(write.address, write.value), deadline) ? 1 : 0;
    }
    port_.close();
    return sent;
}

std::optional<std::string> ControllerLink::takeFault() {
    return port_.takeFault();
}

} // namespace usina
