// What one tick of the polling cycle and one of the regulation cost the user-interface thread when the
// controller answers at once (a line that answers every read frame with one byte, no wire, no plant
// model): the goal is under 50 µs for the two together. And how long the station's saves hold it: the
// totals row (every 450 ms) and a production record (a disk flush each), p50_ms and p99_ms over the
// iterations, on fresh copies of the delivered files; the goal is a p99 under 10 ms.

#include "app/station_windows.h"
#include "bench/support/percentiles.h"
#include "core/station.h"
#include "plant/form_ranvikv5.h"
#include "plant/production_records.h"
#include "platform/forms/virtual_desktop.h"
#include "platform/serial/byte_link.h"
#include "tests/process/support/plant_start.h"
#include "tests/support/temporary_folder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <vector>

namespace {

// A controller that answers every read at once with the same byte and takes every write.
class InstantController : public usina::serial::ByteLink {
public:
    void open() override { open_ = true; }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    void discardInput() override { waiting_ = false; }
    void send(std::span<const std::uint8_t> bytes) override {
        if (open_ && !bytes.empty() && bytes[0] == 'R') {
            waiting_ = true;
        }
    }
    bool sendBeforeClosing(std::span<const std::uint8_t> bytes,
                           std::chrono::steady_clock::time_point) override {
        send(bytes);
        return open_;
    }
    bool waitReadable(std::chrono::microseconds) override { return waiting_; }
    std::vector<std::uint8_t> readAvailable() override {
        std::vector<std::uint8_t> answer;
        if (waiting_) {
            answer.push_back(150);
            waiting_ = false;
        }
        return answer;
    }
    std::optional<std::string> takeFault() override { return std::nullopt; }

private:
    bool open_ = false;
    bool waiting_ = false;
};

// A station running the plant on fresh copies of the delivered files, on virtual time.
struct RunningStation {
    RunningStation() : desktop(clock) {
        for (const char* file :
             {"datranvik.mdb", "calranvik.mdb", "dat2.mdb", "idioma.mdb", "bdruntime.mdb"}) {
            folder.copyOfDelivered(file);
        }
        station = std::make_unique<usina::Station>(
            usina::StationServices{clock, desktop, controller, folder.path(), {5, 1, 0}});
        usina::registerStationWindows(*station);
        station->run();
        usina::test::fillMoistures(*station, {3, 3, 3, 3, 3});
        usina::test::startPlant(*station);
        // Running for a while first: speeds and totals as in production; no record falls due in a tick.
        desktop.advance(30);
        station->group<usina::SharedServices>().RecordPeriod = 32000;
        station->group<usina::SharedServices>().RecordTick = 0;
    }
    usina::FormRanvikv5& main() { return station->form<usina::FormRanvikv5>(); }

    usina::test::TemporaryFolder folder;
    usina::forms::VirtualClock clock;
    usina::forms::VirtualDesktop desktop;
    InstantController controller;
    std::unique_ptr<usina::Station> station;
};

template <typename Tick> void measureTick(benchmark::State& state, Tick tick) {
    RunningStation s;
    auto& main = s.main();
    for (auto _ : state) {
        tick(main);
        s.clock.advance(0.1);
    }
}

void TimerXTick(benchmark::State& state) {
    measureTick(state, [](usina::FormRanvikv5& main) { main.TimerX_Timer(); });
}
BENCHMARK(TimerXTick)->Unit(benchmark::kMicrosecond);

void TimerProcessoTick(benchmark::State& state) {
    measureTick(state, [](usina::FormRanvikv5& main) { main.TimerProcesso_Timer(); });
}
BENCHMARK(TimerProcessoTick)->Unit(benchmark::kMicrosecond);

template <typename Save> void measureSave(benchmark::State& state, Save save) {
    RunningStation s;
    auto& records = s.station->group<usina::ProductionRecords>();
    std::vector<double> seconds;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        save(records);
        const double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(elapsed);
        seconds.push_back(elapsed);
    }
    usina::bench::reportPercentiles(state, std::move(seconds));
}

void TotalizerSave(benchmark::State& state) {
    measureSave(state, [](usina::ProductionRecords& r) { r.SaveDailyTotals(); });
}
BENCHMARK(TotalizerSave)->Iterations(2000)->UseManualTime()->Unit(benchmark::kMicrosecond);

void ProductionRecordSave(benchmark::State& state) {
    measureSave(state, [](usina::ProductionRecords& r) { r.WriteProductionRecord(); });
}
BENCHMARK(ProductionRecordSave)->Iterations(1000)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
