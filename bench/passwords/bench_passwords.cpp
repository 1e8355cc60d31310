// One password hash and one verification at the station's cost, in wall time and in CPU time (on a busy
// machine the CPU time is what the same PC, idle, would wait).

#include "access/passwords.h"

#include <benchmark/benchmark.h>

namespace {

void HashOnePassword(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(usina::HashPassword("Senha-do-Operador"));
    }
}
BENCHMARK(HashOnePassword)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void VerifyOnePassword(benchmark::State& state) {
    const std::string stored = usina::HashPassword("Senha-do-Operador");
    for (auto _ : state) {
        benchmark::DoNotOptimize(usina::passwords::matches(stored, "Senha-do-Operador"));
    }
}
BENCHMARK(VerifyOnePassword)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

} // namespace

BENCHMARK_MAIN();
