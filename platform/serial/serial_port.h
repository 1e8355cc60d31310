#pragma once
// The controller's serial line on a termios device: 4800 baud, 8 data bits, no parity, one stop bit, raw
// bytes, no flow control. A device that is missing, refused or lost while running never throws: the port
// drops writes, its reads fail at once, the fault is reported once, and it tries to open the device again
// at most every reopenIntervalSeconds, on the next operation after that.

#include "platform/serial/byte_link.h"

#include <chrono>
#include <optional>
#include <string>

namespace usina::serial {

class SerialPort : public ByteLink {
public:
    explicit SerialPort(std::string devicePath = "/dev/ttyS0");
    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    void open() override;
    // Lets what was sent go out on the wire first (the zero writes of a closing station must reach the
    // plant), within a bound so a stuck line cannot hold the closing program.
    void close() override;
    bool isOpen() const override { return fd_ >= 0; }

    void discardInput() override;
    void send(std::span<const std::uint8_t> bytes) override;
    bool sendBeforeClosing(std::span<const std::uint8_t> bytes,
                           std::chrono::steady_clock::time_point deadline) override;
    bool waitReadable(std::chrono::microseconds timeout) override;
    std::vector<std::uint8_t> readAvailable() override;

    std::optional<std::string> takeFault() override;

    const std::string& devicePath() const { return devicePath_; }

    // How many bytes have arrived and wait to be read.
    std::size_t inputCount();

    static constexpr double reopenIntervalSeconds = 2.0;

private:
    using Clock = std::chrono::steady_clock;

    void openDevice();
    // Opens the device again when it was lost and the reopen interval has passed; true when usable.
    bool ensureOpen();
    // Records the fault (once per fault), closes the device and schedules the next reopen.
    void fail(const std::string& what, int error);
    // Writes all of `bytes` to the open device; false, with the fault recorded and the device closed,
    // when the device refuses them.
    bool transmit(std::span<const std::uint8_t> bytes);
    // True when everything sent has left; waits no longer than the wire time of what is queued.
    bool waitForOutputToDrain();
    void closeDevice(bool discardOutput);

    std::string devicePath_;
    int fd_ = -1;
    bool wanted_ = false;  // open() was called and close() was not
    bool faulted_ = false; // the current fault is already reported; cleared when the device works again
    std::optional<std::string> pendingFault_;
    Clock::time_point nextReopen_{};
};

} // namespace usina::serial
