// What the controller link's waits cost, over SerialPort against the plantsim program on a pseudo-terminal:
// - a read of a silent controller: how far past the 0.2 s time-out it ends, and the processor time the
//   station and plantsim spend on it (a wait that sleeps in the kernel costs next to none);
// - the eight zero writes and the close at the end of a run, on a healthy line and to a controller that
//   was pulled away and is back (on a pty the station's side hands the bytes over at once; plantsim
//   paces them on its side);
// - plantsim's processor share while no station is on the line.

#include "plant/link/controller_link.h"
#include "platform/serial/serial_port.h"
#include "tests/support/temporary_folder.h"
#include "tools/plantsim/launcher/plantsim_process.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <memory>
#include <sys/resource.h>
#include <thread>

namespace {

using usina::ControllerLink;
using usina::RegisterWrite;
using usina::plantsim::PlantsimProcess;

double monotonicSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double processCpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

std::array<RegisterWrite, 8> zeroOutputs() {
    std::array<RegisterWrite, 8> writes{};
    for (std::uint8_t address = 1; address <= 8; ++address) {
        writes[address - 1] = {address, 0};
    }
    return writes;
}

// plantsim on a link path in a folder of its own, and the station's side of the line.
struct Line {
    explicit Line(std::vector<std::string> arguments = {})
        : plantsim(std::make_unique<PlantsimProcess>(PLANTSIM_EXECUTABLE, linkPath, arguments)) {}
    void restartPlantsim(std::vector<std::string> arguments = {}) {
        plantsim->kill();
        plantsim = std::make_unique<PlantsimProcess>(PLANTSIM_EXECUTABLE, linkPath, arguments);
    }

    usina::test::TemporaryFolder folder;
    std::string linkPath = (folder.path() / "ttyPLANT").string();
    std::unique_ptr<PlantsimProcess> plantsim;
    usina::serial::SerialPort port{linkPath};
    ControllerLink link{port, monotonicSeconds};
};

void SilentReadTimeOut(benchmark::State& state) {
    Line line({"--silent"});
    line.link.open();
    double overshoot = 0;
    double worstOvershoot = 0;
    const double cpuStart = processCpuSeconds();
    const double plantsimCpuStart = line.plantsim->cpuSeconds();
    for (auto _ : state) {
        const double start = monotonicSeconds();
        benchmark::DoNotOptimize(line.link.readRegister(10));
        const double past = monotonicSeconds() - start - ControllerLink::readTimeoutSeconds;
        overshoot += past;
        worstOvershoot = std::max(worstOvershoot, past);
    }
    const double reads = static_cast<double>(state.iterations());
    state.counters["overshoot_ms"] = overshoot / reads * 1e3;
    state.counters["worst_overshoot_ms"] = worstOvershoot * 1e3;
    state.counters["station_cpu_ms_per_read"] = (processCpuSeconds() - cpuStart) / reads * 1e3;
    state.counters["plantsim_cpu_ms_per_read"] =
        (line.plantsim->cpuSeconds() - plantsimCpuStart) / reads * 1e3;
}

void ZeroWritesAndCloseOnAHealthyLine(benchmark::State& state) {
    Line line;
    const auto writes = zeroOutputs();
    for (auto _ : state) {
        state.PauseTiming();
        line.link.open();
        state.ResumeTiming();
        benchmark::DoNotOptimize(line.link.writeAndClose(writes));
    }
}

void ZeroWritesAndCloseToAControllerThatCameBack(benchmark::State& state) {
    Line line;
    const auto writes = zeroOutputs();
    std::int64_t missed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        line.link.open();
        line.link.readRegister(0);
        line.restartPlantsim();
        state.ResumeTiming();
        missed += static_cast<std::int64_t>(writes.size() - line.link.writeAndClose(writes));
    }
    state.counters["writes_missed"] = static_cast<double>(missed);
}

void PlantsimIdleWithoutStation(benchmark::State& state) {
    Line line;
    for (auto _ : state) {
        const double cpuStart = line.plantsim->cpuSeconds();
        const double start = monotonicSeconds();
        std::this_thread::sleep_for(std::chrono::seconds(1));
        state.counters["cpu_share_percent"] =
            (line.plantsim->cpuSeconds() - cpuStart) / (monotonicSeconds() - start) * 100;
    }
}

BENCHMARK(SilentReadTimeOut)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(ZeroWritesAndCloseOnAHealthyLine)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ZeroWritesAndCloseToAControllerThatCameBack)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK(PlantsimIdleWithoutStation)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
