// The export of a plant's history with every column group ticked, over the whole range: the goal is
// under 5 s for one million rows, memory that does not grow with the rows, and the windows' timers
// answering meanwhile.
//
// WindowExport/<rows>: the click on "Gravar" in the real window, on the Qt renderer (offscreen) with
// the system clock, until the file is in place. Counters: peak_rss_mb (the process's peak resident
// memory during the export, reset before it), rss_before_mb, probe_gap_max_ms (the longest wait between
// two ticks of a 10 ms timer of another window) and probe_gap_at (where it ended, 0 the click, 1 the
// file in place), clock_gap_max_ms (the same for the main window's 800 ms clock timer), file_mb.
// The steps, each including the ones before it: SqliteScan (SQLite alone steps the rows of the query
// and reads every column), QueryScan (the station's query reads every field the file carries, each
// column found once), LayoutLines (and builds each line), LinesToFile (and writes them in the file's
// code page through the temporary file, flushed to the disk and renamed); PendingEvents is what
// letting pending events run once per record costs on the Qt renderer.
//
// USINA_EXPORT_ROWS (default 1000000) sets the rows of the steps; the history is generated once per
// size, over ten years up to today.

#include "app/station_windows.h"
#include "bench/history/history_generator.h"
#include "core/station.h"
#include "core/station_form.h"
#include "plant/form_ranvikv5.h"
#include "platform/forms/timer.h"
#include "platform/inifile/replace_file.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_renderer.h"
#include "platform/store/query_recordset.h"
#include "platform/value/conversions.h"
#include "platform/value/text.h"
#include "reports/export_layout.h"
#include "reports/form_datas.h"
#include "tests/support/temporary_folder.h"
#include "tests/support_qt/offscreen_application.h"
#include "tools/plantsim/plant_model.h"
#include "tools/plantsim/simulated_link.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace usina;
using Clock = std::chrono::steady_clock;

constexpr int years = 10;

std::int64_t stepRows() {
    const char* text = std::getenv("USINA_EXPORT_ROWS");
    return text != nullptr ? std::atoll(text) : 1000000;
}

// A program folder with the delivered databases and `rows` production records up to today.
struct History {
    test::TemporaryFolder folder;
    Date first;
    Date last;
};

History& historyOf(std::int64_t rows) {
    static std::map<std::int64_t, std::unique_ptr<History>> made;
    auto& history = made[rows];
    if (!history) {
        history = std::make_unique<History>();
        for (const char* file :
             {"datranvik.mdb", "calranvik.mdb", "dat2.mdb", "idioma.mdb", "bdruntime.mdb"}) {
            history->folder.copyOfDelivered(file);
        }
        history->last = forms::SystemClock().today();
        history->first = dateFromSerial(dateSerial(history->last) - years * 365 + 1);
        bench::generateProductionHistory(history->folder / "datranvik.mdb", rows, years, history->last);
    }
    return *history;
}

// The process's memory from /proc: the resident set now and its peak since the last reset.
double statusMegabytes(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key + ":", 0) == 0) {
            return std::atof(line.c_str() + key.size() + 1) / 1024.0;
        }
    }
    return -1;
}

void resetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Another window's timer, ticking every 10 ms: the gaps between its ticks show how long the export
// keeps the user-interface thread from everything else.
class FormProbe : public StationForm {
public:
    explicit FormProbe(Station& station) : StationForm(station, "FormProbe") {
        Probe.setInterval(10);
        Probe.setEnabled(true);
        Probe.Tick = [this] { ticks.push_back(Clock::now()); };
    }
    forms::Timer Probe{*this, "Probe"};
    std::vector<Clock::time_point> ticks;
};

struct Gap {
    double ms = 0;
    // Where in the export it ended, 0 (start) to 1 (end).
    double at = 0;
};

Gap longestGap(const std::vector<Clock::time_point>& ticks, Clock::time_point from, Clock::time_point to) {
    Clock::time_point previous = from;
    Gap longest;
    const double whole = std::chrono::duration<double, std::milli>(to - from).count();
    auto consider = [&](Clock::time_point end) {
        const double ms = std::chrono::duration<double, std::milli>(end - previous).count();
        if (ms > longest.ms) {
            longest = Gap{ms, std::chrono::duration<double, std::milli>(end - from).count() / whole};
        }
        previous = end;
    };
    for (const auto& tick : ticks) {
        if (tick >= from && tick <= to) {
            consider(tick);
        }
    }
    consider(to);
    return longest;
}

ExportBoxes everyBox() {
    return ExportBoxes{true, true, true, true, true, true, true, true};
}

// The station on the Qt renderer with the system clock and the plant simulated in process, started on
// a history's program folder, with the probe's window loaded.
struct RunningStation {
    explicit RunningStation(const History& history)
        : link(plant, [this] { return std::chrono::duration<double>(Clock::now() - started).count(); }),
          station(StationServices{clock, backend, link, history.folder.path()}) {
        registerStationWindows(station);
        station.defineForm<FormProbe>();
        renderer = std::make_unique<qt::QtRenderer>(station.ws());
        station.run();
        if (!station.ws().ended()) {
            station.form<FormProbe>();
        }
    }
    ~RunningStation() { renderer.reset(); }
    RunningStation(const RunningStation&) = delete;
    RunningStation& operator=(const RunningStation&) = delete;

    forms::SystemClock clock;
    qt::QtBackend backend;
    plantsim::PlantModel plant{[] {
        plantsim::PlantModelConfig config;
        config.modelCode = 32;
        return config;
    }()};
    Clock::time_point started = Clock::now();
    plantsim::SimulatedLink link;
    Station station;
    std::unique_ptr<qt::QtRenderer> renderer;
};

void WindowExport(benchmark::State& state) {
    test::offscreenApplication();
    History& history = historyOf(state.range(0));
    RunningStation running(history);
    Station& station = running.station;
    if (station.ws().ended()) {
        state.SkipWithError("the station did not start");
        return;
    }
    FormProbe& probe = station.form<FormProbe>();
    std::vector<Clock::time_point> clockTicks;
    station.form<FormRanvikv5>().TimerTempo.Tick = [&clockTicks] { clockTicks.push_back(Clock::now()); };

    double peak = 0;
    double before = 0;
    Gap probeGap;
    double clockGap = 0;
    for (auto _ : state) {
        station.formNamed("FormDatas").Show();
        auto& datas = station.form<FormDatas>();
        for (forms::CheckBox* box : {&datas.ChkReceita, &datas.ChkVeloc, &datas.ChkParc, &datas.ChkTemp,
                                     &datas.ChkPercent, &datas.ChkPeso, &datas.ChkCAP, &datas.ChkFalha}) {
            box->setValue(1);
        }
        datas.Txtdat1.setText(shortDate(history.first));
        datas.Txtdat2.setText(shortDate(history.last));
        QApplication::processEvents();
        before = statusMegabytes("VmRSS");
        resetPeakMemory();
        const auto from = Clock::now();
        station.ws().click(datas.CmdGravar);
        const auto to = Clock::now();
        peak = std::max(peak, statusMegabytes("VmHWM"));
        const Gap gap = longestGap(probe.ticks, from, to);
        if (gap.ms > probeGap.ms) {
            probeGap = gap;
        }
        clockGap = std::max(clockGap, longestGap(clockTicks, from, to).ms);
        state.SetIterationTime(std::chrono::duration<double>(to - from).count());
        if (station.ws().peek<FormDatas>() != nullptr) {
            state.SkipWithError("the export did not end");
            return;
        }
    }
    state.counters["peak_rss_mb"] = peak;
    state.counters["rss_before_mb"] = before;
    state.counters["probe_gap_max_ms"] = probeGap.ms;
    state.counters["probe_gap_at"] = probeGap.at;
    state.counters["clock_gap_max_ms"] = clockGap;
    state.counters["file_mb"] =
        static_cast<double>(std::filesystem::file_size(history.folder / FormDatas::exportFileName)) / 1e6;
    state.counters["rows"] = static_cast<double>(state.range(0));
}
BENCHMARK(WindowExport)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// What letting pending events run costs the export, once per record, with the export window shown.
void PendingEvents(benchmark::State& state) {
    test::offscreenApplication();
    RunningStation running(historyOf(stepRows()));
    Station& station = running.station;
    station.formNamed("FormDatas").Show();
    for (auto _ : state) {
        for (std::int64_t n = 0; n < stepRows(); ++n) {
            station.ws().doEvents();
        }
    }
    state.counters["runs"] = static_cast<double>(stepRows());
}
BENCHMARK(PendingEvents)->Iterations(3)->Unit(benchmark::kMillisecond);

// The export's own query with every box ticked.
const std::string& selection() {
    static const std::string sql = ExportLayout::selection(everyBox());
    return sql;
}

void SqliteScan(benchmark::State& state) {
    History& history = historyOf(stepRows());
    for (auto _ : state) {
        sqlite3* db = nullptr;
        sqlite3_open_v2((history.folder / "datranvik.mdb").c_str(), &db,
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, selection().c_str(), -1, &statement, nullptr);
        const std::string first = history.first.iso();
        const std::string last = history.last.iso();
        sqlite3_bind_text(statement, 1, first.c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_text(statement, 2, last.c_str(), -1, SQLITE_STATIC);
        std::int64_t rows = 0;
        double sum = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(statement); ++c) {
                if (sqlite3_column_type(statement, c) == SQLITE_TEXT) {
                    sum += static_cast<double>(sqlite3_column_bytes(statement, c));
                } else {
                    sum += sqlite3_column_double(statement, c);
                }
            }
            ++rows;
        }
        sqlite3_finalize(statement);
        sqlite3_close(db);
        benchmark::DoNotOptimize(sum);
        state.counters["rows"] = static_cast<double>(rows);
    }
}
BENCHMARK(SqliteScan)->Iterations(3)->Unit(benchmark::kMillisecond);

// The fields the file carries with every box ticked.
const std::vector<std::string>& exportedFields() {
    static const std::vector<std::string> fields = [] {
        std::vector<std::string> all{"fase",    "DATA",    "hora",       "receita", "producao",
                                     "parcial", "diaria",  "total",      "asfalto", "filler",
                                     "par_asf", "par_fil", "Ocorrencias"};
        for (const char* run : {"silo", "h_silo", "sil", "p_silo", "vel_s", "tot_s", "Temp"}) {
            for (int n = 1; n <= 5; ++n) {
                all.push_back(run + std::to_string(n));
            }
        }
        return all;
    }();
    return fields;
}

void openSelection(store::QueryRecordset& query, const History& history) {
    query.open(history.folder / "datranvik.mdb", selection(), {Value(history.first), Value(history.last)});
}

void QueryScan(benchmark::State& state) {
    History& history = historyOf(stepRows());
    for (auto _ : state) {
        store::QueryRecordset query;
        openSelection(query, history);
        std::vector<std::size_t> places;
        for (const std::string& field : exportedFields()) {
            places.push_back(query.columnOf(field));
        }
        std::int64_t rows = 0;
        std::size_t kinds = 0;
        while (!query.eof()) {
            for (const std::size_t place : places) {
                kinds += static_cast<std::size_t>(query.fieldAt(place).kind());
            }
            query.moveNext();
            ++rows;
        }
        benchmark::DoNotOptimize(kinds);
        state.counters["rows"] = static_cast<double>(rows);
    }
}
BENCHMARK(QueryScan)->Iterations(3)->Unit(benchmark::kMillisecond);

template <class Sink> std::int64_t buildLines(const History& history, Sink&& sink) {
    store::QueryRecordset query;
    openSelection(query, history);
    ExportLayout layout(everyBox(), true, query);
    sink(layout.header());
    std::string line;
    std::int64_t rows = 0;
    while (!query.eof()) {
        if (layout.buildLine(line, everyBox())) {
            sink(line);
        }
        query.moveNext();
        ++rows;
    }
    return rows;
}

void LayoutLines(benchmark::State& state) {
    History& history = historyOf(stepRows());
    for (auto _ : state) {
        std::size_t bytes = 0;
        const std::int64_t rows =
            buildLines(history, [&bytes](const std::string& line) { bytes += line.size(); });
        benchmark::DoNotOptimize(bytes);
        state.counters["rows"] = static_cast<double>(rows);
    }
}
BENCHMARK(LayoutLines)->Iterations(3)->Unit(benchmark::kMillisecond);

void LinesToFile(benchmark::State& state) {
    History& history = historyOf(stepRows());
    for (auto _ : state) {
        inifile::FileReplacement file(history.folder / "steps.txt");
        std::string encoded;
        const std::int64_t rows = buildLines(history, [&](const std::string& line) {
            encoded.clear();
            appendWindows1252(encoded, line);
            encoded += "\r\n";
            file.write(encoded);
        });
        const auto committing = Clock::now();
        if (!file.commit()) {
            state.SkipWithError("the file could not be written");
            return;
        }
        state.counters["commit_ms"] =
            std::chrono::duration<double, std::milli>(Clock::now() - committing).count();
        state.counters["rows"] = static_cast<double>(rows);
    }
}
BENCHMARK(LinesToFile)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
