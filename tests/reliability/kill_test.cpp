// The station killed at 200 random moments while it runs the plant against plantsim: every database
// stays whole, the totals row holds a total no older than its last save, and the production log keeps
// every row it saved, each whole, with none missing between two saved ones. Half of the kills fall
// anywhere from the start on; the other half among the saves, each once its run has saved a row, so
// they fall there however slowly a busy machine starts the station.

#include "tests/reliability/support/unattended_station.h"
#include "tests/support/eventually.h"
#include "tests/support/sqlite_file.h"
#include "tools/plantsim/launcher/plantsim_process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <exception>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace usina::test {

namespace {

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;

// Every field a production row always has (the user only when someone logged in).
const char* const rowFields =
    "fase, DATA, hora, receita, producao, sil1, sil2, sil3, sil4, sil5, silo1, silo2, silo3, silo4, silo5, "
    "h_silo1, h_silo2, h_silo3, h_silo4, h_silo5, p_silo1, p_silo2, p_silo3, p_silo4, p_silo5, vel_s1, "
    "vel_s2, vel_s3, vel_s4, vel_s5, tot_s1, tot_s2, tot_s3, tot_s4, tot_s5, asfalto, filler, malteno, "
    "par_asf, par_fil, par_fibra, par_malt, parcial, diaria, total, Temp1, Temp2, Temp3, Temp4, Temp5, "
    "Ocorrencias";

// Only a station that never ends, or never saves, makes a wait this long.
constexpr auto giveUp = 60s;

struct Committed {
    double total = 0;
    std::vector<Row> rows;
};

// The production file as another program reads it while the station runs. The station may hold it for
// a moment as it opens it: the read waits for that rather than fail.
class ProductionFile {
public:
    explicit ProductionFile(const TemporaryFolder& folder) : file_(folder / "datranvik.mdb") {
        file_.scalar("PRAGMA busy_timeout = 10000");
    }
    Committed committed() const {
        return Committed{file_.scalar("SELECT total FROM totalizador").number,
                         file_.query(std::string("SELECT ") + rowFields + " FROM Tabela ORDER BY rowid")};
    }
    std::size_t rowCount() const {
        return static_cast<std::size_t>(file_.scalar("SELECT count(*) FROM Tabela").number);
    }

private:
    SqliteFile file_;
};

Committed committed(const TemporaryFolder& folder) {
    return ProductionFile(folder).committed();
}

bool sameRow(const Row& a, const Row& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].type != b[i].type || a[i].number != b[i].number || a[i].text != b[i].text) {
            return false;
        }
    }
    return true;
}

std::string wholenessFault(const TemporaryFolder& folder) {
    for (const char* file : stationDatabases) {
        const Cell check = SqliteFile(folder / file).scalar("PRAGMA integrity_check");
        if (check.text != "ok") {
            return std::string(file) + ": " + check.text;
        }
    }
    return "";
}

// What the production file must show after a kill, against what it held just before; "" when whole.
std::string keptFault(const Committed& before, const Committed& after) {
    if (after.total < before.total) {
        return "the total went back from " + std::to_string(before.total) + " to " +
               std::to_string(after.total);
    }
    if (after.rows.size() < before.rows.size()) {
        return "saved production rows were lost";
    }
    for (std::size_t k = 0; k < after.rows.size(); ++k) {
        const Row& row = after.rows[k];
        if (k < before.rows.size() && !sameRow(row, before.rows[k])) {
            return "saved production row " + std::to_string(k + 1) + " changed";
        }
        for (const Cell& cell : row) {
            if (cell.isNull()) {
                return "production row " + std::to_string(k + 1) + " is not whole";
            }
        }
        // Each run of the station numbers its rows from 1.
        const double fase = row[0].number;
        if (fase != 1 && (k == 0 || fase != after.rows[k - 1][0].number + 1)) {
            return "a production row is missing before row " + std::to_string(k + 1);
        }
    }
    return "";
}

// What the station wrote on its output over all its runs, a line said again and again told once with
// its count, for a fault's message.
std::string stationOutput(const TemporaryFolder& folder) {
    std::ifstream in(folder / "driver.log");
    std::string text;
    std::string line;
    std::string previous;
    int times = 0;
    const auto tell = [&] {
        if (times > 0) {
            text += previous + (times > 1 ? " (" + std::to_string(times) + " times)\n" : "\n");
        }
    };
    while (std::getline(in, line)) {
        if (line != previous) {
            tell();
            previous = line;
            times = 0;
        }
        ++times;
    }
    tell();
    return text;
}

long msSince(SteadyClock::time_point start) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - start).count());
}

// What one worker saw: a line per kill, and the first fault, which ends its runs.
struct KillLog {
    std::vector<std::string> kills;
    std::string fault;
};

// One program folder and one plantsim, the station started and killed `kills` times on them.
class KillingWorker {
public:
    KillingWorker(int worker, KillLog& log) : worker_(worker), log_(log) {}

    void run(int kills) {
        try {
            killRepeatedly(kills);
        } catch (const std::exception& e) {
            fail(e.what());
        }
    }

private:
    void killRepeatedly(int kills) {
        copyDeliveredDatabases(folder_);
        // A record at every other tick of the elapsed-time timer (about every 0,9 s), the totals at
        // every tick: many saves to be killed in. At 20 t/h the simulated silos give their shares and
        // no message holds the records back.
        SqliteFile(folder_ / "calranvik.mdb").execute("UPDATE constantes SET tgrav = 0.01");
        plantsim::PlantsimProcess plant(PLANTSIM_EXECUTABLE, link_, {"--model", "32"});
        // The first run times the start-up: the moments that fall anywhere then fall from the start to
        // 1,5 s past it.
        const auto started = SteadyClock::now();
        {
            UnattendedStation first(folder_.path(), link_, arguments_);
            if (!eventually([&] { return first.status("state") == "Desligar"; }, giveUp)) {
                return fail("the station does not start");
            }
            if (!killAndCheck(first, "once it runs the plant")) {
                return;
            }
        }
        std::mt19937 random(static_cast<unsigned>(1000 + worker_));
        std::uniform_int_distribution<int> anywhereMs(0, static_cast<int>(msSince(started)) + 1500);
        // From the run's first row to past its next one (about 0,9 s later) and two totals saves.
        std::uniform_int_distribution<int> amongSavesMs(0, 1200);
        for (run_ = 1; run_ < kills; ++run_) {
            const std::size_t rowsBefore = kept_.rows.size();
            const auto spawned = SteadyClock::now();
            UnattendedStation station(folder_.path(), link_, arguments_);
            if (run_ % 2 == 1) {
                std::this_thread::sleep_for(std::chrono::milliseconds(anywhereMs(random)));
                if (!killAndCheck(station, std::to_string(msSince(spawned)) + " ms after its start")) {
                    return;
                }
                continue;
            }
            if (const std::string fault = savedRows(station, rowsBefore + 1); !fault.empty()) {
                return fail(fault);
            }
            const auto firstRow = SteadyClock::now();
            const long firstRowMs = msSince(spawned);
            std::this_thread::sleep_for(std::chrono::milliseconds(amongSavesMs(random)));
            if (!killAndCheck(station, std::to_string(msSince(firstRow)) + " ms after its first row (saved " +
                                           std::to_string(firstRowMs) + " ms after its start)")) {
                return;
            }
        }
        runOnWhatTheKillsLeft();
    }

    // Killed with what it saved up to then looked at just before; false when a fault was found.
    bool killAndCheck(UnattendedStation& station, const std::string& moment) {
        const Committed saved = committed(folder_);
        if (!station.running()) {
            fail("the station ended by itself");
            return false;
        }
        station.kill();
        if (const std::string fault = wholenessFault(folder_); !fault.empty()) {
            fail(fault);
            return false;
        }
        kept_ = committed(folder_);
        log_.kills.push_back("run " + std::to_string(run_) + ", killed " + moment + ": " +
                             std::to_string(saved.rows.size()) + " rows and total " +
                             std::to_string(saved.total) + " before, " + std::to_string(kept_.rows.size()) +
                             " and " + std::to_string(kept_.total) + " after");
        if (const std::string fault = keptFault(saved, kept_); !fault.empty()) {
            fail(fault);
            return false;
        }
        return true;
    }

    // The station has saved `rows` rows in all, as its status tells first and the file then shows; the
    // file is read only once the station holds it. "" when it has.
    std::string savedRows(UnattendedStation& station, std::size_t rows) {
        const auto told = [&] { return station.number("rows") >= static_cast<double>(rows); };
        if (!eventually([&] { return told() || !station.running(); }, giveUp)) {
            return "the station saves no row";
        }
        if (!station.running()) {
            return "the station ended by itself";
        }
        if (!eventually([&] { return ProductionFile(folder_).rowCount() >= rows; }, giveUp)) {
            return "the station's rows do not reach the file";
        }
        return "";
    }

    // After every kill the station still starts on what they left, runs the plant and records it.
    void runOnWhatTheKillsLeft() {
        const std::size_t rowsBefore = kept_.rows.size();
        UnattendedStation station(folder_.path(), link_, arguments_);
        if (const std::string fault = savedRows(station, rowsBefore + 3); !fault.empty()) {
            fail("after the kills, " + fault);
        }
    }

    void fail(const std::string& what) {
        log_.fault = "worker " + std::to_string(worker_) + ", run " + std::to_string(run_) + ": " + what +
                     "\nthe station's output:\n" + stationOutput(folder_);
    }

    int worker_;
    KillLog& log_;
    TemporaryFolder folder_;
    const std::string link_ = (folder_ / "ttyPLANT").string();
    const std::vector<std::string> arguments_{"--rate", "20", "--status-every", "100"};
    int run_ = 0;
    Committed kept_;
};

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

} // namespace

TEST(StationKilled, At200RandomMomentsLeavesWholeDatabasesTheLastTotalsAndEverySavedRow) {
    constexpr int workers = 4;
    constexpr int killsEach = 50;
    std::vector<KillLog> logs(workers);
    std::vector<std::thread> threads;
    for (int w = 0; w < workers; ++w) {
        threads.emplace_back(
            [w, &logs] { KillingWorker(w, logs[static_cast<std::size_t>(w)]).run(killsEach); });
    }
    for (std::thread& t : threads) {
        t.join();
    }
    for (const KillLog& log : logs) {
        if (!log.fault.empty()) {
            ADD_FAILURE() << log.fault << "\nwhat each kill saw:\n" << joined(log.kills);
        }
    }
}

} // namespace usina::test
