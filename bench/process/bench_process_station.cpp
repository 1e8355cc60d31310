// The unattended station running the plant against plantsim over a pseudo-terminal, paced like the
// 4800-baud line, its windows drawn offscreen: its processor use (goal under 1 % of one core) and the
// longest stall of its user-interface thread, with the controller answering and with it silent; and,
// to tell the station's own work from the drawing, the same without windows drawn; and the longest stall
// while another program takes the production file's write lock for 1,5 s every 3 s, as a backup or a
// database browser does, so that saves meet a busy file again and again. The simulated belts carry full
// beds, so the plant regulates at the delivered mix's rate instead of starving. USINA_PROCESS_SECONDS
// sets the measured time (default 60).

#include "tests/reliability/support/unattended_station.h"
#include "tests/support/eventually.h"
#include "tests/support/sqlite_file.h"
#include "tools/plantsim/launcher/plantsim_process.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

double measuredSeconds() {
    const char* text = std::getenv("USINA_PROCESS_SECONDS");
    return text != nullptr ? std::atof(text) : 60.0;
}

enum class Windows { drawn, notDrawn };

// Another program on the production file: it holds the write lock for half of every period, until it is
// destroyed.
class FileHolder {
public:
    explicit FileHolder(std::filesystem::path file) : file_(std::move(file)), thread_([this] { hold(); }) {}
    ~FileHolder() {
        stop_ = true;
        thread_.join();
    }
    FileHolder(const FileHolder&) = delete;
    FileHolder& operator=(const FileHolder&) = delete;

private:
    static constexpr std::chrono::milliseconds half{1500};

    void hold() {
        while (!stop_) {
            usina::test::SqliteFile other(file_);
            if (!take(other)) {
                continue;
            }
            pause();
            other.execute("COMMIT");
            pause();
        }
    }
    // The station may be committing just then: try again a moment later.
    bool take(const usina::test::SqliteFile& other) {
        try {
            other.execute("BEGIN IMMEDIATE");
            return true;
        } catch (const std::runtime_error&) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            return false;
        }
    }
    void pause() const {
        for (auto waited = std::chrono::milliseconds(0); waited < half && !stop_;
             waited += std::chrono::milliseconds(50)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }

    std::filesystem::path file_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

enum class ProductionFile { free, heldAtTimes };

// The station's heartbeat measures the stalls; beating every 10 ms it costs processor time of its own,
// so the processor use is measured with one beat a second and the stalls in runs of their own.
enum class Watch { processor, stalls };

void measure(benchmark::State& state, const std::vector<std::string>& plantsimArguments, Windows windows,
             Watch watch, ProductionFile productionFile = ProductionFile::free) {
    usina::test::TemporaryFolder folder;
    usina::test::copyDeliveredDatabases(folder);
    const std::string link = (folder / "ttyPLANT").string();
    std::unique_ptr<usina::plantsim::PlantsimProcess> plant;
    try {
        plant =
            std::make_unique<usina::plantsim::PlantsimProcess>(PLANTSIM_EXECUTABLE, link, plantsimArguments);
    } catch (const std::runtime_error& e) {
        state.SkipWithError(e.what());
        return;
    }
    // Settled after 5 s: the start-up and the first paint are not part of the minute.
    const int beatMs = watch == Watch::processor ? 1000 : 10;
    std::vector<std::string> arguments{"--settle", "5",      "--status-every",
                                       "1000",     "--beat", std::to_string(beatMs)};
    if (windows == Windows::drawn) {
        arguments.push_back("--render");
    }
    usina::test::UnattendedStation station(folder.path(), link, arguments);
    if (!usina::test::eventually([&] { return station.number("beats") > 5000 / beatMs; },
                                 std::chrono::seconds(60))) {
        state.SkipWithError("the station did not start");
        return;
    }
    std::unique_ptr<FileHolder> holder;
    if (productionFile == ProductionFile::heldAtTimes) {
        holder = std::make_unique<FileHolder>(folder / "datranvik.mdb");
    }
    for (auto _ : state) {
        const double cpu0 = station.number("cpuSeconds");
        const auto wall0 = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::chrono::duration<double>(measuredSeconds()));
        // The status of the last second of the measure.
        std::this_thread::sleep_for(std::chrono::milliseconds(1100));
        const double cpu = station.number("cpuSeconds") - cpu0;
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
        state.SetIterationTime(wall);
        if (watch == Watch::processor) {
            state.counters["cpu_percent_of_one_core"] = 100.0 * cpu / wall;
        } else {
            state.counters["longest_stall_ms"] = station.number("longestStallMs");
        }
        state.counters["rows"] = station.number("rows");
        state.counters["plantsim_cpu_s"] = plant->cpuSeconds();
    }
    state.counters["station_survived"] = station.running() ? 1 : 0;
}

void ProcessorPlantRunningControllerAnswering(benchmark::State& state) {
    measure(state, {"--model", "32", "--bed", "250"}, Windows::drawn, Watch::processor);
}
BENCHMARK(ProcessorPlantRunningControllerAnswering)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

void ProcessorPlantRunningControllerAnsweringWindowsNotDrawn(benchmark::State& state) {
    measure(state, {"--model", "32", "--bed", "250"}, Windows::notDrawn, Watch::processor);
}
BENCHMARK(ProcessorPlantRunningControllerAnsweringWindowsNotDrawn)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

void StallsPlantRunningControllerAnswering(benchmark::State& state) {
    measure(state, {"--model", "32", "--bed", "250"}, Windows::drawn, Watch::stalls);
}
BENCHMARK(StallsPlantRunningControllerAnswering)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

void StallsPlantRunningProductionFileHeldAtTimes(benchmark::State& state) {
    measure(state, {"--model", "32", "--bed", "250"}, Windows::drawn, Watch::stalls,
            ProductionFile::heldAtTimes);
}
BENCHMARK(StallsPlantRunningProductionFileHeldAtTimes)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

void StallsPlantRunningControllerSilent(benchmark::State& state) {
    measure(state, {"--silent"}, Windows::drawn, Watch::stalls);
}
BENCHMARK(StallsPlantRunningControllerSilent)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
