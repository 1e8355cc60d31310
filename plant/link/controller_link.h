#pragma once
// The transactions of the plant controller's protocol over a byte link. A read sends 'R', 0x00, address
// and takes the first byte that arrives within the time-out; a write sends 'W', 0x00, address, value and
// reads nothing back. The protocol has no framing: whatever byte comes first after a request is taken as
// its answer, so a stray byte the controller sends after the request and before its answer is returned
// in its place. Bytes that arrive between transactions (a second answer byte, line noise) are discarded
// by the next read before it sends its request.

#include "platform/serial/byte_link.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace usina {

struct RegisterWrite {
    std::uint8_t address;
    std::uint8_t value;
};

class ControllerLink {
public:
    // monotonicSeconds: elapsed-time source (never goes back at midnight); the station passes its clock.
    ControllerLink(serial::ByteLink& port, std::function<double()> monotonicSeconds);

    void open();
    void close();
    bool isOpen() const;

    // Read frame 'R',0x00,address; discards stale input first; waits strictly more than 0.2 s of
    // elapsed time at most; returns the first byte of the answer (the rest discarded), nullopt on time-out.
    // A port that is not open ends the read at once with nullopt.
    std::optional<std::uint8_t> readRegister(std::uint8_t address);
    // The read frame alone, after discarding stale input: for a read that does not wait for its answer
    // (an answer that comes anyway is discarded by the next read).
    void sendReadRequest(std::uint8_t address);
    // Whether bytes have come in and wait to be read (looked at, not taken).
    bool inputWaiting();
    // Write frame 'W',0x00,address,value; nothing read back.
    void writeRegister(std::uint8_t address, std::uint8_t value);

    // The last writes of a run, then the close: the writes go out in order, each one sent again on the
    // device opened anew when the device refuses it (it was pulled away and is back: a plain write
    // would be dropped until the reopen interval has passed), within closingBound for the whole
    // sequence; then the line closes once they have left. A write that cannot go out within the bound
    // is skipped and the next is still tried. Returns how many went out.
    std::size_t writeAndClose(std::span<const RegisterWrite> writes);

    std::optional<std::string> takeFault(); // passes the port's fault through, once per fault

    static constexpr double readTimeoutSeconds = 0.2;
    static constexpr std::chrono::milliseconds closingBound{1000};

private:
    serial::ByteLink& port_;
    std::function<double()> monotonicSeconds_;
};

} // namespace usina
