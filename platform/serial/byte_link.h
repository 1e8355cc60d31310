#pragma once
// The wire to the plant controller as the controller link sees it: send bytes, wait for input, take
// what arrived. A serial port implements it on a real device; the plant simulator implements it in
// process for tests on virtual time.

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace usina::serial {

class ByteLink {
public:
    virtual ~ByteLink() = default;

    // Opening a port that is absent or refused is not fatal: the link stays closed-but-usable,
    // reads time out and writes are dropped; takeFault() reports why.
    virtual void open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual void discardInput() = 0;
    virtual void send(std::span<const std::uint8_t> bytes) = 0;
    // For what must reach the other side before the line is closed, even when the device was lost and
    // has come back since: a send the device refuses is made again at once on the device opened anew
    // (no reopen interval), and then again, without using the CPU in between, until it goes out or
    // `deadline` passes; at least one new attempt is made even past the deadline. True when it went out.
    virtual bool sendBeforeClosing(std::span<const std::uint8_t> bytes,
                                   std::chrono::steady_clock::time_point deadline) = 0;
    // Waits up to `timeout` for at least one byte without using the CPU; false when none came.
    virtual bool waitReadable(std::chrono::microseconds timeout) = 0;
    virtual std::vector<std::uint8_t> readAvailable() = 0;

    // A description of a new fault (open refused, device gone), reported once per fault: the next
    // call returns nullopt until the link has recovered and failed again.
    virtual std::optional<std::string> takeFault() = 0;
};

} // namespace usina::serial
