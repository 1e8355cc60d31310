// The reports over a plant's history: one million Tabela rows over ten years ending today and 100 000
// load tickets. Each benchmark times what the operator waits for, the click on "&Gerar Relatório" to the
// last line of the list (headless, and for the temperature report also with the list on screen), and the
// parts of it: the query and the sums alone, and SQLite alone reading the same rows (the physical limit).

#include "app/station_windows.h"
#include "bench/history/history_generator.h"
#include "core/station.h"
#include "plant/controller/link.h"
#include "platform/forms/virtual_desktop.h"
#include "platform/qt/qt_renderer.h"
#include "platform/store/query_recordset.h"
#include "platform/store/table_recordset.h"
#include "platform/value/conversions.h"
#include "reports/date_range_query.h"
#include "reports/form_rel_materiais.h"
#include "reports/form_rel_placa.h"
#include "reports/form_rel_producao.h"
#include "reports/form_rel_temp.h"
#include "reports/grouped_report.h"
#include "tests/support/executable_folder.h"
#include "tests/support/temporary_folder.h"
#include "tests/support_qt/offscreen_application.h"
#include "tools/plantsim/plant_model.h"
#include "tools/plantsim/simulated_link.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace {

using namespace usina;

constexpr Date lastDay{2026, 12, 10};
constexpr const char* deliveredFiles[] = {"datranvik.mdb", "calranvik.mdb", "dat2.mdb", "idioma.mdb",
                                          "bdruntime.mdb"};

// The history, written once per run (or kept in USINA_HISTORY_FOLDER between runs) on copies of the
// databases delivered beside this benchmark.
const std::filesystem::path& historyFolder() {
    static std::optional<test::TemporaryFolder> temporary;
    static const std::filesystem::path folder = [] {
        const char* kept = std::getenv("USINA_HISTORY_FOLDER");
        std::filesystem::path where;
        if (kept != nullptr) {
            where = kept;
            std::filesystem::create_directories(where);
        } else {
            temporary.emplace();
            where = temporary->path();
        }
        if (!std::filesystem::exists(where / "datranvik.mdb")) {
            for (const char* file : deliveredFiles) {
                std::filesystem::copy_file(test::executableFolder() / file, where / file);
            }
            bench::generateProductionHistory(where / "datranvik.mdb", 1'000'000, 10, lastDay);
            bench::generateLoadTickets(where / "dat2.mdb", 100'000, 10, lastDay);
        }
        return where;
    }();
    return folder;
}

// A started station on the history, on virtual time with the controller simulated in process.
struct BenchStation {
    explicit BenchStation(bool onScreen) : desktop(clock) {
        plant = std::make_unique<plantsim::PlantModel>(plantsim::PlantModelConfig{});
        link = std::make_unique<plantsim::SimulatedLink>(*plant, [this] { return clock.monotonicSeconds(); });
        link->onIdleWait = [this](std::chrono::microseconds d) {
            clock.advance(static_cast<double>(d.count()) / 1e6);
        };
        station = std::make_unique<Station>(StationServices{clock, desktop, *link, historyFolder()});
        registerStationWindows(*station);
        if (onScreen) {
            test::offscreenApplication();
            renderer = std::make_unique<qt::QtRenderer>(station->ws());
        }
        station->run();
        station->group<Link>().HasFiveTemperatures = true;
    }
    ~BenchStation() {
        renderer.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    forms::VirtualClock clock{lastDay, 18 * 3600.0};
    forms::VirtualDesktop desktop;
    std::unique_ptr<plantsim::PlantModel> plant;
    std::unique_ptr<plantsim::SimulatedLink> link;
    std::unique_ptr<Station> station;
    std::unique_ptr<qt::QtRenderer> renderer;
};

struct Range {
    const char* first;
    const char* last;
};
constexpr Range wholeRange{"01/01/2016", "31/12/2026"};
constexpr Range oneMonth{"11/11/2026", "10/12/2026"};

template <class Window>
void clickToLastLine(benchmark::State& state, Range range, forms::ListBox Window::*list,
                     bool onScreen = false) {
    BenchStation bench(onScreen);
    Window& window = bench.station->template form<Window>();
    window.Show();
    window.datai.setText(range.first);
    window.dataf.setText(range.last);
    // On screen, each line reaches the renderer's list as the model adds it. Qt's own events are not
    // run between the clicks: the renderer forgets its activation requests after half a second, and
    // after a longer click their echoes between the two windows never settle.
    for (auto _ : state) {
        bench.station->ws().click(window.CmdOk);
    }
    state.counters["lines"] = (window.*list).listCount();
}

void ProductionReport_WholeRange(benchmark::State& state) {
    clickToLastLine(state, wholeRange, &FormRelProducao::ListRelProd);
}
void ProductionReport_OneMonth(benchmark::State& state) {
    clickToLastLine(state, oneMonth, &FormRelProducao::ListRelProd);
}
void MaterialsReport_WholeRange(benchmark::State& state) {
    clickToLastLine(state, wholeRange, &FormRelMateriais::ListRelMat);
}
void MaterialsReport_OneMonth(benchmark::State& state) {
    clickToLastLine(state, oneMonth, &FormRelMateriais::ListRelMat);
}
void PlateReport_WholeRange(benchmark::State& state) {
    clickToLastLine(state, wholeRange, &FormRelPlaca::ListRelPlacas);
}
void TemperatureReport_WholeRange(benchmark::State& state) {
    clickToLastLine(state, wholeRange, &FormRelTemp::ListRelPlacas);
}
void TemperatureReport_WholeRange_OnScreen(benchmark::State& state) {
    clickToLastLine(state, wholeRange, &FormRelTemp::ListRelPlacas, true);
}
void TemperatureReport_OneMonth_OnScreen(benchmark::State& state) {
    clickToLastLine(state, oneMonth, &FormRelTemp::ListRelPlacas, true);
}

DateRange dates(Range range) {
    return DateRange{*parseDate(range.first, lastDay), *parseDate(range.last, lastDay)};
}

// The query and the sums alone, without storing or listing.
void SumsAlone(benchmark::State& state, const GroupedReportKind& kind, Range range) {
    const DateRange r = dates(range);
    for (auto _ : state) {
        benchmark::DoNotOptimize(sumRange(historyFolder(), kind, r));
    }
}

// The query through our query recordset alone: every row read and converted, nothing done with it.
void QueryAlone(benchmark::State& state, const char* file, const DateRangeSelect& select, Range range) {
    const DateRange r = dates(range);
    long rows = 0;
    for (auto _ : state) {
        store::QueryRecordset query;
        openDateRange(query, historyFolder() / file, select, r);
        rows = 0;
        for (; !query.eof(); query.moveNext()) {
            ++rows;
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// SQLite alone: the same rows stepped through and their columns read with the C interface.
void SqliteAlone(benchmark::State& state, const char* file, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2((historyFolder() / file).c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    long rows = 0;
    for (auto _ : state) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr);
        rows = 0;
        double sum = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            ++rows;
            for (int c = 0; c < sqlite3_column_count(statement); ++c) {
                if (sqlite3_column_type(statement, c) == SQLITE_TEXT) {
                    benchmark::DoNotOptimize(sqlite3_column_text(statement, c));
                } else {
                    sum += sqlite3_column_double(statement, c);
                }
            }
        }
        benchmark::DoNotOptimize(sum);
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    state.counters["rows"] = static_cast<double>(rows);
}

// A report of six mixes stored as the reports store it: one row at a time, each saved durably.
void StoreSixReportRows(benchmark::State& state) {
    store::TableRecordset reports;
    reports.open("RelProducao", historyFolder() / "dat2.mdb");
    for (auto _ : state) {
        for (int item = 1; item <= 6; ++item) {
            reports.addNew();
            reports("Num") = Value("00000001");
            reports("Nome_traco") = Value("CBUQ");
            reports("Prod") = Value("1,00");
            reports("item") = Value(item);
            reports.update();
        }
    }
}

const std::string productionColumns = "receita, parcial";
const std::string materialsColumns =
    "receita, tot_s1, tot_s2, tot_s3, tot_s4, par_asf, par_fil, par_fibra, tot_s5, par_malt";

} // namespace

BENCHMARK(ProductionReport_WholeRange)->Unit(benchmark::kMillisecond);
BENCHMARK(ProductionReport_OneMonth)->Unit(benchmark::kMillisecond);
BENCHMARK(MaterialsReport_WholeRange)->Unit(benchmark::kMillisecond);
BENCHMARK(MaterialsReport_OneMonth)->Unit(benchmark::kMillisecond);
BENCHMARK(PlateReport_WholeRange)->Unit(benchmark::kMillisecond);
BENCHMARK(TemperatureReport_WholeRange)->Unit(benchmark::kMillisecond);
BENCHMARK(TemperatureReport_OneMonth_OnScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(TemperatureReport_WholeRange_OnScreen)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SumsAlone, Production_WholeRange, FormRelProducao::kind(), wholeRange)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SumsAlone, Production_OneMonth, FormRelProducao::kind(), oneMonth)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SumsAlone, Materials_OneMonth, FormRelMateriais::kind(), oneMonth)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(StoreSixReportRows)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SumsAlone, Materials_WholeRange, FormRelMateriais::kind(), wholeRange)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QueryAlone, Materials_WholeRange, "datranvik.mdb",
                  DateRangeSelect{"Tabela", "DATA", materialsColumns, ""}, wholeRange)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SqliteAlone, Production_WholeRange_TableScan, "datranvik.mdb",
                  "SELECT " + productionColumns +
                      " FROM Tabela WHERE +DATA >= '2016-01-01' AND +DATA <= '2026-12-31'")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SqliteAlone, Production_WholeRange_ThroughTheDateIndex, "datranvik.mdb",
                  "SELECT " + productionColumns +
                      " FROM Tabela WHERE DATA >= '2016-01-01' AND DATA <= '2026-12-31'")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SqliteAlone, Materials_WholeRange_TableScan, "datranvik.mdb",
                  "SELECT " + materialsColumns +
                      " FROM Tabela WHERE +DATA >= '2016-01-01' AND +DATA <= '2026-12-31'")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(
    SqliteAlone, Production_WholeRange_SummedAlongTheMixIndex, "datranvik.mdb",
    "SELECT receita, TOTAL(parcial) FROM Tabela WHERE +DATA >= '2016-01-01' AND +DATA <= '2026-12-31' "
    "GROUP BY receita")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(
    SqliteAlone, Materials_WholeRange_SummedAlongTheMixIndex, "datranvik.mdb",
    "SELECT receita, TOTAL(tot_s1), TOTAL(tot_s2), TOTAL(tot_s3), TOTAL(tot_s4), TOTAL(par_asf), "
    "TOTAL(par_fil), TOTAL(par_fibra), TOTAL(tot_s5), TOTAL(par_malt) FROM Tabela "
    "WHERE +DATA >= '2016-01-01' AND +DATA <= '2026-12-31' GROUP BY receita")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(
    SqliteAlone, Tickets_WholeRange_TableScan, "dat2.mdb",
    "SELECT * FROM RelCarga WHERE +data_emissao >= '2016-01-01' AND +data_emissao <= '2026-12-31'")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SqliteAlone, Tabela_CountOnly, "datranvik.mdb", "SELECT COUNT(*) FROM Tabela")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SqliteAlone, Materials_OneMonth, "datranvik.mdb",
                  "SELECT " + materialsColumns +
                      " FROM Tabela WHERE DATA >= '2026-11-11' AND DATA <= '2026-12-10'")
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
