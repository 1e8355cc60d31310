#include "tests/store/support/unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace usina::store::testing {
namespace {

constexpr uid_t nobody = 65534;

} // namespace

std::string runUnprivileged(const std::function<std::string()>& action) {
    if (::geteuid() != 0)
        return action();
    int channel[2];
    if (::pipe(channel) != 0)
        throw std::runtime_error("cannot make a pipe");
    const pid_t child = ::fork();
    if (child < 0)
        throw std::runtime_error("cannot fork");
    if (child == 0) {
        ::close(channel[0]);
        std::string said = "cannot give up root";
        if (::setgroups(0, nullptr) == 0 && ::setgid(nobody) == 0 && ::setuid(nobody) == 0) {
            try {
                said = action();
            } catch (const std::exception& e) {
                said = std::string("threw: ") + e.what();
            }
        }
        for (std::size_t done = 0; done < said.size();) {
            const ssize_t n = ::write(channel[1], said.data() + done, said.size() - done);
            if (n <= 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string said;
    char buffer[512];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        said.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(channel[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return said;
}

} // namespace usina::store::testing
