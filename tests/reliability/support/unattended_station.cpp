#include "tests/reliability/support/unattended_station.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>

extern char** environ;

namespace usina::test {

void copyDeliveredDatabases(const TemporaryFolder& folder) {
    for (const char* file : stationDatabases) {
        folder.copyOfDelivered(file);
    }
}

UnattendedStation::UnattendedStation(const std::filesystem::path& folder, const std::string& serial,
                                     const std::vector<std::string>& arguments)
    : statusFile_(folder / "status") {
    std::filesystem::remove(statusFile_);
    std::vector<std::string> words{
        PLANT_DRIVER_EXECUTABLE, "--folder", folder.string(), "--serial", serial, "--status",
        statusFile_.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string log = (folder / "driver.log").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_APPEND,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    const int spawned =
        ::posix_spawn(&pid_, PLANT_DRIVER_EXECUTABLE, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        pid_ = -1;
        throw std::runtime_error("cannot run the unattended station");
    }
}

UnattendedStation::~UnattendedStation() {
    kill();
}

bool UnattendedStation::running() {
    if (pid_ <= 0) {
        return false;
    }
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return false;
    }
    return true;
}

void UnattendedStation::kill() {
    if (pid_ <= 0) {
        return;
    }
    ::kill(pid_, SIGKILL);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
}

std::map<std::string, std::string> UnattendedStation::status() const {
    std::map<std::string, std::string> values;
    std::ifstream in(statusFile_);
    std::string line;
    while (std::getline(in, line)) {
        const auto equals = line.find('=');
        if (equals != std::string::npos) {
            values[line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    return values;
}

std::optional<std::string> UnattendedStation::status(const std::string& key) const {
    const auto values = status();
    const auto found = values.find(key);
    return found != values.end() ? std::optional<std::string>(found->second) : std::nullopt;
}

double UnattendedStation::number(const std::string& key) const {
    const auto value = status(key);
    return value && !value->empty() ? std::atof(value->c_str()) : 0.0;
}

} // namespace usina::test
