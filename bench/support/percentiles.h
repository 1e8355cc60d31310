#pragma once
// The p50, p99 and longest of the times a benchmark measured one by one, as its counters in ms.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace usina::bench {

inline void reportPercentiles(benchmark::State& state, std::vector<double> seconds) {
    if (seconds.empty()) {
        return;
    }
    std::sort(seconds.begin(), seconds.end());
    const auto at = [&](double share) {
        return seconds[std::min(seconds.size() - 1,
                                static_cast<std::size_t>(share * static_cast<double>(seconds.size())))];
    };
    state.counters["p50_ms"] = at(0.50) * 1e3;
    state.counters["p99_ms"] = at(0.99) * 1e3;
    state.counters["max_ms"] = seconds.back() * 1e3;
}

} // namespace usina::bench
