#include "tests/store/support/other_program.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

extern char** environ;

namespace usina::store::testing {
namespace {

// Long enough for a shell to start on a busy machine; never reached when it works.
constexpr int startBoundMilliseconds = 30000;
const std::string heldMarker = "usina-test-held";

void writeAll(int fd, const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw std::runtime_error("cannot write to the shell");
        done += static_cast<std::size_t>(n);
    }
}

} // namespace

OtherProgram::OtherProgram(const std::filesystem::path& file, const std::string& sql) {
    int input[2];
    int output[2];
    if (pipe2(input, O_CLOEXEC) != 0 || pipe2(output, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot make pipes");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDERR_FILENO);
    std::string program = "sqlite3";
    std::string path = file.string();
    char* arguments[] = {program.data(), path.data(), nullptr};
    const int spawned = posix_spawnp(&pid_, "sqlite3", &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(input[0]);
    ::close(output[1]);
    toShell_ = input[1];
    fromShell_ = output[0];
    if (spawned != 0) {
        pid_ = -1;
        release();
        throw std::runtime_error("cannot start the sqlite3 shell");
    }
    try {
        run(sql);
    } catch (...) {
        release();
        throw;
    }
}

void OtherProgram::run(const std::string& sql) {
    writeAll(toShell_, sql + "\n.print " + heldMarker + "\n");
    const std::string said = readUntil(heldMarker);
    if (said.find(heldMarker) == std::string::npos || said.find("rror") != std::string::npos)
        throw std::runtime_error("the shell could not run \"" + sql + "\": " + said);
}

OtherProgram::~OtherProgram() {
    release();
}

std::string OtherProgram::readUntil(const std::string& marker) {
    std::string said;
    while (said.find(marker) == std::string::npos) {
        pollfd ready{fromShell_, POLLIN, 0};
        if (::poll(&ready, 1, startBoundMilliseconds) <= 0)
            break;
        char buffer[512];
        const ssize_t n = ::read(fromShell_, buffer, sizeof buffer);
        if (n <= 0)
            break;
        said.append(buffer, static_cast<std::size_t>(n));
    }
    return said;
}

void OtherProgram::release() {
    if (toShell_ >= 0) {
        ::close(toShell_); // end of input: the shell closes its connection and ends
        toShell_ = -1;
    }
    if (pid_ > 0) {
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
    }
    if (fromShell_ >= 0) {
        ::close(fromShell_);
        fromShell_ = -1;
    }
}

} // namespace usina::store::testing
