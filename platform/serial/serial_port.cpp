#include "platform/serial/serial_port.h"

#include "platform/serial/system_error_text.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace usina::serial {
namespace {

using namespace std::chrono_literals;

// 4800 baud, 8N1: ten bits on the wire per byte.
constexpr std::chrono::microseconds byteWireTime{10'000'000 / 4800};
// Beyond the wire time of what is queued, how long a send or a close may wait for the line.
constexpr std::chrono::milliseconds outputSlack = 100ms;
// Between the attempts of a send before closing to a device that is not back yet.
constexpr int closingRetryPauseMs = 20;

std::string describe(const std::string& what, int error) {
    if (error == 0) {
        return what;
    }
    return what + ": " + systemErrorText(error);
}

int pollTimeoutMs(std::chrono::steady_clock::duration remaining) {
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(remaining).count();
    return static_cast<int>(std::clamp<long long>(ms, 0, 1000));
}

// Raw 4800 8N1, no flow control, reads return at once with what is there.
bool setLineSettings(int fd) {
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) {
        return false;
    }
    ::cfmakeraw(&settings);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    if (::cfsetispeed(&settings, B4800) != 0 || ::cfsetospeed(&settings, B4800) != 0) {
        return false;
    }
    return ::tcsetattr(fd, TCSANOW, &settings) == 0;
}

} // namespace

SerialPort::SerialPort(std::string devicePath) : devicePath_(std::move(devicePath)) {}

SerialPort::~SerialPort() {
    close();
}

void SerialPort::open() {
    wanted_ = true;
    if (fd_ < 0) {
        openDevice();
    }
}

void SerialPort::close() {
    wanted_ = false;
    faulted_ = false;
    if (fd_ >= 0) {
        closeDevice(!waitForOutputToDrain());
    }
}

void SerialPort::openDevice() {
    const int fd = ::open(devicePath_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        fail("não foi possível abrir a porta serial", errno);
        return;
    }
    // The lock keeps a second station off the line even when it runs with the rights that TIOCEXCL lets
    // through; it goes away with the descriptor.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        fail(error == EWOULDBLOCK ? "a porta serial está em uso por outro programa"
                                  : "não foi possível reservar a porta serial",
             error == EWOULDBLOCK ? 0 : error);
        return;
    }
    const bool exclusive = ::ioctl(fd, TIOCEXCL) == 0;
    if (!exclusive || !setLineSettings(fd)) {
        const int error = errno;
        if (exclusive) {
            ::ioctl(fd, TIOCNXCL);
        }
        ::close(fd);
        fail("não foi possível configurar a porta serial", error);
        return;
    }
    // Stale input only: output still on its way from a previous session must reach the other side.
    ::tcflush(fd, TCIFLUSH);
    fd_ = fd;
    faulted_ = false;
}

bool SerialPort::ensureOpen() {
    if (fd_ >= 0) {
        return true;
    }
    if (wanted_ && Clock::now() >= nextReopen_) {
        openDevice();
    }
    return fd_ >= 0;
}

void SerialPort::fail(const std::string& what, int error) {
    if (fd_ >= 0) {
        closeDevice(true);
    }
    if (!faulted_) {
        faulted_ = true;
        pendingFault_ = devicePath_ + ": " + describe(what, error);
    }
    nextReopen_ = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                     std::chrono::duration<double>(reopenIntervalSeconds));
}

bool SerialPort::waitForOutputToDrain() {
    int queued = 0;
    if (::ioctl(fd_, TIOCOUTQ, &queued) != 0) {
        return false;
    }
    const auto deadline = Clock::now() + queued * byteWireTime + outputSlack;
    while (queued > 0 && Clock::now() < deadline) {
        ::poll(nullptr, 0, 2);
        if (::ioctl(fd_, TIOCOUTQ, &queued) != 0) {
            return false;
        }
    }
    // The last bytes may still sit in the transmitter itself; that takes a few byte times at most.
    return queued == 0 && ::tcdrain(fd_) == 0;
}

void SerialPort::closeDevice(bool discardOutput) {
    // Another program holding the device must be able to open it after us.
    ::ioctl(fd_, TIOCNXCL);
    // Output that could not go out is dropped so that close() does not block on the line. Output that
    // did go out must not be flushed: on a pseudo-terminal that would take it back from the other side.
    ::tcflush(fd_, discardOutput ? TCIOFLUSH : TCIFLUSH);
    ::close(fd_);
    fd_ = -1;
}

void SerialPort::discardInput() {
    if (!ensureOpen()) {
        return;
    }
    if (::tcflush(fd_, TCIFLUSH) != 0) {
        fail("não foi possível descartar a entrada", errno);
        return;
    }
    // What the driver had not yet queued when it was flushed.
    readAvailable();
}

void SerialPort::send(std::span<const std::uint8_t> bytes) {
    if (ensureOpen()) {
        transmit(bytes);
    }
}

bool SerialPort::sendBeforeClosing(std::span<const std::uint8_t> bytes, Clock::time_point deadline) {
    if (!wanted_) {
        return false;
    }
    // The first retry comes at once: a device that was lost and is back needs only to be opened again.
    for (int attempt = 0;; ++attempt) {
        if (fd_ < 0) {
            openDevice();
        }
        if (fd_ >= 0 && transmit(bytes)) {
            return true;
        }
        const auto remaining = deadline - Clock::now();
        if (remaining <= Clock::duration::zero() && attempt > 0) {
            return false;
        }
        if (attempt > 0) {
            ::poll(nullptr, 0, std::min(pollTimeoutMs(remaining), closingRetryPauseMs));
        }
    }
}

bool SerialPort::transmit(std::span<const std::uint8_t> bytes) {
    const auto deadline = Clock::now() + static_cast<int>(bytes.size()) * byteWireTime + outputSlack;
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written > 0) {
            bytes = bytes.subspan(static_cast<std::size_t>(written));
            continue;
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0 && errno != EAGAIN) {
            fail("não foi possível enviar", errno);
            return false;
        }
        const auto remaining = deadline - Clock::now();
        if (remaining <= Clock::duration::zero()) {
            fail("a linha não aceita saída", 0);
            return false;
        }
        pollfd writable{fd_, POLLOUT, 0};
        if (::poll(&writable, 1, pollTimeoutMs(remaining)) > 0 &&
            (writable.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            fail("o dispositivo serial foi removido", 0);
            return false;
        }
    }
    return true;
}

bool SerialPort::waitReadable(std::chrono::microseconds timeout) {
    if (!ensureOpen()) {
        return false;
    }
    const auto deadline = Clock::now() + std::max(timeout, std::chrono::microseconds::zero());
    for (;;) {
        const auto remaining = std::max(deadline - Clock::now(), Clock::duration::zero());
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(remaining);
        const timespec wait{static_cast<time_t>(seconds.count()),
                            static_cast<long>(std::chrono::nanoseconds(remaining - seconds).count())};
        pollfd readable{fd_, POLLIN, 0};
        const int ready = ::ppoll(&readable, 1, &wait, nullptr);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready < 0) {
            fail("não foi possível aguardar a entrada", errno);
            return false;
        }
        if (ready == 0) {
            return false;
        }
        if ((readable.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            fail("o dispositivo serial foi removido", 0);
            return false;
        }
        return (readable.revents & POLLIN) != 0;
    }
}

std::vector<std::uint8_t> SerialPort::readAvailable() {
    std::vector<std::uint8_t> received;
    if (!ensureOpen()) {
        return received;
    }
    std::uint8_t chunk[256];
    for (;;) {
        const ssize_t count = ::read(fd_, chunk, sizeof chunk);
        if (count > 0) {
            received.insert(received.end(), chunk, chunk + count);
            continue;
        }
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0 && errno != EAGAIN) {
            fail("não foi possível ler", errno);
        }
        return received;
    }
}

std::size_t SerialPort::inputCount() {
    int count = 0;
    if (!ensureOpen() || ::ioctl(fd_, FIONREAD, &count) != 0) {
        return 0;
    }
    return static_cast<std::size_t>(count);
}

std::optional<std::string> SerialPort::takeFault() {
    return std::exchange(pendingFault_, std::nullopt);
}

} // namespace usina::serial
