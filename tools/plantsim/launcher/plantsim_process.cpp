#include "tools/plantsim/launcher/plantsim_process.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace usina::plantsim {
namespace {

constexpr int readyTimeoutMs = 10'000;
constexpr const char* readyPrefix = "plantsim ready: ";

// Reads the child's output up to its first line, or until it ends or the time runs out.
std::string readFirstLine(int fd) {
    std::string text;
    while (text.find('\n') == std::string::npos) {
        pollfd readable{fd, POLLIN, 0};
        if (::poll(&readable, 1, readyTimeoutMs) <= 0) {
            break;
        }
        char chunk[256];
        const ssize_t count = ::read(fd, chunk, sizeof chunk);
        if (count <= 0) {
            break;
        }
        text.append(chunk, static_cast<std::size_t>(count));
    }
    return text.substr(0, text.find('\n'));
}

} // namespace

PlantsimProcess::PlantsimProcess(const std::string& executable, const std::string& linkPath,
                                 const std::vector<std::string>& arguments) {
    std::vector<std::string> words{executable, "--link", linkPath};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe2 failed");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    const int spawned = ::posix_spawn(&pid_, executable.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    output_ = pipeFds[0];
    if (spawned != 0) {
        pid_ = -1;
        ::close(output_);
        throw std::runtime_error("cannot run " + executable);
    }
    const std::string line = readFirstLine(output_);
    const auto arrow = line.rfind(" -> ");
    if (line.rfind(readyPrefix, 0) != 0 || arrow == std::string::npos) {
        kill();
        throw std::runtime_error("plantsim did not start: \"" + line + "\"");
    }
    slavePath_ = line.substr(arrow + 4);
}

PlantsimProcess::~PlantsimProcess() {
    stop();
}

int PlantsimProcess::stop() {
    if (pid_ <= 0) {
        return -1;
    }
    ::kill(pid_, SIGTERM);
    return waitForExit();
}

void PlantsimProcess::kill() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        waitForExit();
    }
}

int PlantsimProcess::waitForExit() {
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    ::close(output_);
    output_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> PlantsimProcess::statFields() const {
    std::ifstream file("/proc/" + std::to_string(pid_) + "/stat");
    const std::string stat((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const auto close = stat.rfind(')');
    if (close == std::string::npos) {
        return {};
    }
    // The fields after the command name, which is in parentheses and may hold blanks: the state first
    // (field 3 of the whole line).
    std::istringstream fields(stat.substr(close + 2));
    return {std::istream_iterator<std::string>(fields), std::istream_iterator<std::string>()};
}

double PlantsimProcess::cpuSeconds() const {
    // User time is field 14 and system time field 15, in clock ticks.
    const std::vector<std::string> fields = statFields();
    if (fields.size() < 13) {
        return 0;
    }
    return (std::stod(fields[11]) + std::stod(fields[12])) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

bool PlantsimProcess::asleep() const {
    const std::vector<std::string> fields = statFields();
    return !fields.empty() && fields[0] == "S";
}

} // namespace usina::plantsim
