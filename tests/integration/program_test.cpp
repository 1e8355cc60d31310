// The station program itself, offscreen: one copy per program folder, and a clean end on SIGTERM.

#include "tests/support/temporary_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace usina::test {

namespace {

pid_t startStation(const std::filesystem::path& folder) {
    std::vector<std::string> words{USINA_EXECUTABLE, "--folder", folder.string(), "--serial",
                                   (folder / "no-controller").string()};
    std::vector<char*> argv;
    for (auto& w : words) {
        argv.push_back(w.data());
    }
    argv.push_back(nullptr);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    pid_t pid = -1;
    return ::posix_spawn(&pid, USINA_EXECUTABLE, nullptr, nullptr, argv.data(), environ) == 0 ? pid : -1;
}

// The exit status, or -1 when it is still running after `seconds`.
int waitForExit(pid_t pid, double seconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < until) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return -1;
}

} // namespace

TEST(StationProgram, SecondCopyOnTheSameFolderEndsAtOnceAndTheFirstEndsCleanlyOnSigterm) {
    TemporaryFolder folder;
    for (const char* file : {"datranvik.mdb", "calranvik.mdb", "dat2.mdb", "idioma.mdb", "bdruntime.mdb"}) {
        folder.copyOfDelivered(file);
    }
    const pid_t first = startStation(folder.path());
    ASSERT_GT(first, 0);
    // Running: its settings file appears during the start, and it is still there a moment later.
    for (int i = 0; i < 100 && !std::filesystem::exists(folder.path() / "Parametros.ini"); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    ASSERT_EQ(waitForExit(first, 0), -1);

    const pid_t second = startStation(folder.path());
    ASSERT_GT(second, 0);
    EXPECT_EQ(waitForExit(second, 5.0), 0);
    EXPECT_EQ(waitForExit(first, 0), -1);

    ::kill(first, SIGTERM);
    EXPECT_EQ(waitForExit(first, 5.0), 0);
}

} // namespace usina::test
