#include "core/instance_lock.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace usina {

namespace {

// The socket's name: a short fixed prefix and a hash of the canonical folder, so that any folder
// length fits the address and two paths to one folder meet.
std::string socketName(const std::filesystem::path& programFolder) {
    std::error_code ec;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(programFolder, ec);
    if (ec) {
        canonical = std::filesystem::absolute(programFolder);
    }
    const std::string text = canonical.string();
    std::uint64_t hash = 1469598103934665603ull; // FNV-1a
    for (unsigned char c : text) {
        hash = (hash ^ c) * 1099511628211ull;
    }
    char name[64];
    std::snprintf(name, sizeof name, "usina-station-%016llx", static_cast<unsigned long long>(hash));
    return name;
}

} // namespace

InstanceLock::~InstanceLock() {
    release();
}

bool InstanceLock::acquire(const std::filesystem::path& programFolder) {
    if (fd_ >= 0) {
        return true;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        // Without sockets there is no way to tell; running is better than refusing to run.
        return true;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string name = socketName(programFolder);
    // Abstract namespace: the first byte of the path is NUL.
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0) {
        const int error = errno;
        ::close(fd);
        return error != EADDRINUSE;
    }
    fd_ = fd;
    return true;
}

void InstanceLock::release() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

} // namespace usina
