// The station's processor use while it sits on its main window for a minute: the real program,
// offscreen, polling plantsim over a pseudo-terminal at the real 4800-baud pace. The goal is under 1 %
// of one core. USINA_IDLE_SECONDS sets the measured time (default 60).

#include "tests/support/executable_folder.h"
#include "tests/support/temporary_folder.h"
#include "tools/plantsim/launcher/plantsim_process.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// User and system time of a process, in seconds, from /proc.
double cpuSecondsOf(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string content((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto close = content.rfind(')');
    if (close == std::string::npos) {
        return -1;
    }
    std::istringstream fields(content.substr(close + 2));
    std::vector<std::string> values((std::istream_iterator<std::string>(fields)),
                                    std::istream_iterator<std::string>());
    // After the command: state is field 3, utime field 14 and stime field 15 of the whole line.
    if (values.size() < 13) {
        return -1;
    }
    const double ticks = static_cast<double>(::sysconf(_SC_CLK_TCK));
    return (std::stod(values[11]) + std::stod(values[12])) / ticks;
}

double idleSeconds() {
    const char* text = std::getenv("USINA_IDLE_SECONDS");
    return text != nullptr ? std::atof(text) : 60.0;
}

void StationIdleOnMainWindow(benchmark::State& state) {
    // The station and its delivered databases are found beside this benchmark when they are there.
    const std::string usina = usina::test::besideExecutableOr("usina", USINA_EXECUTABLE);
    usina::test::TemporaryFolder folder;
    for (const char* file : {"datranvik.mdb", "calranvik.mdb", "dat2.mdb", "idioma.mdb", "bdruntime.mdb"}) {
        std::filesystem::copy_file(std::filesystem::path(usina).parent_path() / file, folder / file);
    }
    const std::string linkPath = (folder.path() / "ttyPLANT").string();
    std::unique_ptr<usina::plantsim::PlantsimProcess> plantsim;
    try {
        plantsim = std::make_unique<usina::plantsim::PlantsimProcess>(
            usina::test::besideExecutableOr("plantsim", PLANTSIM_EXECUTABLE), linkPath,
            std::vector<std::string>{"--model", "32"});
    } catch (const std::runtime_error& e) {
        state.SkipWithError(e.what());
        return;
    }

    std::vector<std::string> words{usina, "--folder", folder.path().string(), "--serial", linkPath};
    std::vector<char*> argv;
    for (auto& w : words) {
        argv.push_back(w.data());
    }
    argv.push_back(nullptr);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    pid_t station = -1;
    if (::posix_spawn(&station, usina.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        state.SkipWithError("cannot start the station");
        return;
    }
    // Let the start-up finish before measuring.
    std::this_thread::sleep_for(std::chrono::seconds(3));
    for (auto _ : state) {
        const double startCpu = cpuSecondsOf(station);
        const auto startWall = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds()));
        const double cpu = cpuSecondsOf(station) - startCpu;
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - startWall).count();
        state.SetIterationTime(wall);
        state.counters["cpu_percent_of_one_core"] = 100.0 * cpu / wall;
        state.counters["plantsim_cpu_s"] = plantsim->cpuSeconds();
    }
    int status = 0;
    const bool stillRunning = ::waitpid(station, &status, WNOHANG) == 0;
    state.counters["station_survived"] = stillRunning ? 1 : 0;
    ::kill(station, SIGTERM);
    ::waitpid(station, &status, 0);
}

BENCHMARK(StationIdleOnMainWindow)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
