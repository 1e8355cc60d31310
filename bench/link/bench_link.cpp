// One read transaction (ControllerLink::readRegister) through SerialPort against the plantsim program on a
// pseudo-terminal, paced like the 4800-baud 8N1 line. The wire alone takes four byte times (three of the
// request, one of the answer); above_wire_ms is what the station and the simulator add to that.

#include "plant/link/controller_link.h"
#include "platform/serial/serial_port.h"
#include "tests/support/executable_folder.h"
#include "tests/support/temporary_folder.h"
#include "tools/plantsim/launcher/plantsim_process.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <stdexcept>

namespace {

constexpr double wireSeconds = 4 * 10.0 / 4800;

double monotonicSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void ReadRegisterOverPacedPty(benchmark::State& state) {
    usina::test::TemporaryFolder folder;
    const std::string linkPath = (folder.path() / "ttyPLANT").string();
    std::unique_ptr<usina::plantsim::PlantsimProcess> plantsim;
    try {
        plantsim = std::make_unique<usina::plantsim::PlantsimProcess>(
            usina::test::besideExecutableOr("plantsim", PLANTSIM_EXECUTABLE), linkPath);
    } catch (const std::runtime_error& e) {
        state.SkipWithError(e.what());
        return;
    }
    usina::serial::SerialPort port(linkPath);
    usina::ControllerLink link(port, monotonicSeconds);
    link.open();
    if (!link.isOpen()) {
        state.SkipWithError(link.takeFault().value_or("the port did not open").c_str());
        return;
    }
    for (int warmUp = 0; warmUp < 5; ++warmUp) {
        link.readRegister(10);
    }
    double total = 0;
    double worst = 0;
    std::int64_t timeOuts = 0;
    for (auto _ : state) {
        const double start = monotonicSeconds();
        const auto answer = link.readRegister(10);
        const double elapsed = monotonicSeconds() - start;
        benchmark::DoNotOptimize(answer);
        total += elapsed;
        worst = std::max(worst, elapsed);
        timeOuts += answer ? 0 : 1;
    }
    const double mean = total / static_cast<double>(state.iterations());
    state.counters["mean_ms"] = mean * 1e3;
    state.counters["above_wire_ms"] = (mean - wireSeconds) * 1e3;
    state.counters["worst_above_wire_ms"] = (worst - wireSeconds) * 1e3;
    state.counters["time_outs"] = static_cast<double>(timeOuts);
}

BENCHMARK(ReadRegisterOverPacedPty)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

BENCHMARK_MAIN();
