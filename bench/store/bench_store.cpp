// The time one save keeps the user-interface thread, on fresh copies of the delivered files: the totals
// row (moved to, two fields, saved: every 450 ms while the plant runs) and a production record (a new
// row of every field, saved with a disk flush), each with the file free and while the sqlite3 shell
// holds its write lock. p50_ms, p99_ms and max_ms are over the benchmark's iterations.

#include "bench/support/percentiles.h"
#include "platform/store/table_recordset.h"
#include "platform/store/write_queue.h"
#include "tests/store/support/other_program.h"
#include "tests/support/temporary_folder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace {

using usina::Value;
using usina::bench::reportPercentiles;
using usina::store::OpenOptions;
using usina::store::TableRecordset;
using usina::store::WriteQueue;

enum class File { free, held };

template <typename Save>
void measure(benchmark::State& state, File file, const char* table, bool durable, Save save) {
    usina::test::TemporaryFolder folder;
    const auto production = folder.copyOfDelivered("datranvik.mdb");
    auto writes = std::make_shared<WriteQueue>();
    TableRecordset recordset;
    recordset.open(table, production, OpenOptions{durable, writes});
    std::unique_ptr<usina::store::testing::OtherProgram> holder;
    if (file == File::held)
        holder = std::make_unique<usina::store::testing::OtherProgram>(
            production, usina::store::testing::holdsTheWriteLock);
    std::vector<double> seconds;
    int n = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        save(recordset, ++n);
        const double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(elapsed);
        seconds.push_back(elapsed);
    }
    reportPercentiles(state, seconds);
    state.counters["rows_waiting"] = static_cast<double>(writes->waitingCount());
    holder.reset();
    writes->flush();
}

void saveTotals(TableRecordset& totals, int n) {
    totals.moveFirst();
    totals("par_diaria") = n * 0.01;
    totals("total") = 1000 + n * 0.01;
    totals.update();
}

void addProductionRecord(TableRecordset& records, int n) {
    records.setIndex("primarykey");
    records.addNew();
    records("usuario") = "operador";
    records("fase") = n % 30000;
    records("DATA") = usina::Date{2026, 3, 5};
    records("hora") = usina::TimeOfDay{8 * 3600 + n % 3600};
    records("receita") = "CBUQ FAIXA C";
    records("producao") = 150.0;
    for (int silo = 1; silo <= 5; ++silo) {
        const std::string s = std::to_string(silo);
        records("sil" + s) = "Brita " + s;
        for (const char* prefix : {"silo", "h_silo", "p_silo", "vel_s", "tot_s"})
            records(prefix + s) = silo * 1.25;
        records("Temp" + s) = 160.0;
    }
    for (const char* field : {"asfalto", "filler", "malteno", "par_asf", "par_fil", "par_fibra", "par_malt",
                              "parcial", "diaria", "total"})
        records(field) = 2.5;
    records("Ocorrencias") = "OK";
    records.update();
}

void TotalsSave(benchmark::State& state) {
    measure(state, static_cast<File>(state.range(0)), "totalizador", false, saveTotals);
}

void ProductionRecord(benchmark::State& state) {
    measure(state, static_cast<File>(state.range(0)), "Tabela", true, addProductionRecord);
}

BENCHMARK(TotalsSave)
    ->ArgName("held")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);
BENCHMARK(ProductionRecord)
    ->ArgName("held")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
