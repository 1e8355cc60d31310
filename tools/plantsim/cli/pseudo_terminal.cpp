#include "tools/plantsim/cli/pseudo_terminal.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <stdexcept>
#include <stdlib.h>
#include <sys/stat.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace usina::plantsim {
namespace {

[[noreturn]] void throwSystemError(const std::string& what) {
    throw std::runtime_error(what + ": " + std::error_code(errno, std::generic_category()).message());
}

std::string readLink(const std::string& path) {
    char target[PATH_MAX];
    const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
    return length < 0 ? std::string() : std::string(target, static_cast<std::size_t>(length));
}

} // namespace

PseudoTerminal::PseudoTerminal() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0) {
        throwSystemError("posix_openpt");
    }
    char name[PATH_MAX];
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0 || ::ptsname_r(master_, name, sizeof name) != 0) {
        const auto error = errno;
        ::close(master_);
        errno = error;
        throwSystemError("pseudo-terminal set-up");
    }
    slavePath_ = name;
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios settings{};
    if (slave_ < 0 || ::tcgetattr(slave_, &settings) != 0) {
        const auto error = errno;
        ::close(master_);
        errno = error;
        throwSystemError(slavePath_);
    }
    // Raw from the start: no echo of the station's bytes back to it, no line editing, no translation.
    ::cfmakeraw(&settings);
    ::tcsetattr(slave_, TCSANOW, &settings);
}

PseudoTerminal::~PseudoTerminal() {
    ::close(slave_);
    ::close(master_);
}

LinkPath::LinkPath(std::string path, std::string target)
    : path_(std::move(path)), target_(std::move(target)) {
    struct stat existing {};
    if (::lstat(path_.c_str(), &existing) == 0 && !S_ISLNK(existing.st_mode)) {
        throw std::runtime_error(path_ + ": exists and is not a symbolic link; not replaced");
    }
    const std::string temporary = path_ + ".plantsim-" + std::to_string(::getpid());
    ::unlink(temporary.c_str());
    if (::symlink(target_.c_str(), temporary.c_str()) != 0) {
        throwSystemError(temporary);
    }
    if (::rename(temporary.c_str(), path_.c_str()) != 0) {
        const auto error = errno;
        ::unlink(temporary.c_str());
        errno = error;
        throwSystemError(path_);
    }
}

LinkPath::~LinkPath() {
    if (readLink(path_) == target_) {
        ::unlink(path_.c_str());
    }
}

} // namespace usina::plantsim
