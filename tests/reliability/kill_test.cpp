// The station killed at 200 random moments while it runs the plant against plantsim: every database
// stays whole, the totals row holds a total no older than its last save, and the production log keeps
// every row it saved, each whole, with none missing between two saved ones.

#include "tests/reliability/support/unattended_station.h"
#include "tests/support/eventually.h"
#include "tests/support/sqlite_file.h"
#include "tools/plantsim/launcher/plantsim_process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace usina::test {

namespace {

// Every field a production row always has (the user only when someone logged in).
const char* const rowFields =
    "fase, DATA, hora, receita, producao, sil1, sil2, sil3, sil4, sil5, silo1, silo2, silo3, silo4, silo5, "
    "h_silo1, h_silo2, h_silo3, h_silo4, h_silo5, p_silo1, p_silo2, p_silo3, p_silo4, p_silo5, vel_s1, "
    "vel_s2, vel_s3, vel_s4, vel_s5, tot_s1, tot_s2, tot_s3, tot_s4, tot_s5, asfalto, filler, malteno, "
    "par_asf, par_fil, par_fibra, par_malt, parcial, diaria, total, Temp1, Temp2, Temp3, Temp4, Temp5, "
    "Ocorrencias";

struct Committed {
    double total = 0;
    std::vector<Row> rows;
};

Committed committed(const TemporaryFolder& folder) {
    SqliteFile file(folder / "datranvik.mdb");
    return Committed{file.scalar("SELECT total FROM totalizador").number,
                     file.query(std::string("SELECT ") + rowFields + " FROM Tabela ORDER BY rowid")};
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

// What the files must show after each kill; returns the first fault found, or "".
std::string faultAfterKill(const TemporaryFolder& folder, const Committed& before) {
    for (const char* file : stationDatabases) {
        const Cell check = SqliteFile(folder / file).scalar("PRAGMA integrity_check");
        if (check.text != "ok") {
            return std::string(file) + ": " + check.text;
        }
    }
    const Committed after = committed(folder);
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

// One program folder and one plantsim, the station started and killed `kills` times on them.
void killRepeatedly(int worker, int kills, std::vector<std::string>& faults, int& rowsSeen) {
    TemporaryFolder folder;
    copyDeliveredDatabases(folder);
    // A record at every other tick of the elapsed-time timer: many saves to be killed in. At 20 t/h the
    // simulated silos give their shares and no message holds the records back.
    SqliteFile(folder / "calranvik.mdb").execute("UPDATE constantes SET tgrav = 0.01");
    const std::vector<std::string> arguments{"--rate", "20"};
    const std::string link = (folder / "ttyPLANT").string();
    plantsim::PlantsimProcess plant(PLANTSIM_EXECUTABLE, link, {"--model", "32"});
    const auto fail = [&](int run, const std::string& what) {
        faults.push_back("worker " + std::to_string(worker) + ", run " + std::to_string(run) + ": " + what);
    };
    // Killed with what it saved up to then looked at just before; false when a fault was found.
    const auto killAndCheck = [&](UnattendedStation& station, int run) {
        const Committed saved = committed(folder);
        if (!station.running()) {
            fail(run, "the station ended by itself");
            return false;
        }
        station.kill();
        if (const std::string fault = faultAfterKill(folder, saved); !fault.empty()) {
            fail(run, fault);
            return false;
        }
        return true;
    };

    // The first run times the start-up: the moments then fall from the start to 1,5 s past it, however
    // long the start takes on this machine.
    const auto started = std::chrono::steady_clock::now();
    {
        UnattendedStation first(folder.path(), link, arguments);
        if (!eventually([&] { return first.status("state") == "Desligar"; }, std::chrono::seconds(60))) {
            fail(0, "the station does not start");
            return;
        }
        if (!killAndCheck(first, 0)) {
            return;
        }
    }
    const auto startUpMs = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started)
            .count());
    std::mt19937 random(static_cast<unsigned>(1000 + worker));
    std::uniform_int_distribution<int> lifetimeMs(0, startUpMs + 1500);
    for (int run = 1; run < kills; ++run) {
        UnattendedStation station(folder.path(), link, arguments);
        std::this_thread::sleep_for(std::chrono::milliseconds(lifetimeMs(random)));
        if (!killAndCheck(station, run)) {
            return;
        }
    }

    // After every kill the station still starts on what they left, runs the plant and records it.
    const double rowsBefore = static_cast<double>(committed(folder).rows.size());
    UnattendedStation station(folder.path(), link, {"--rate", "20", "--status-every", "100"});
    const bool records = eventually(
        [&] { return station.status("state") == "Desligar" && station.number("rows") >= rowsBefore + 3; },
        std::chrono::seconds(30));
    if (!records) {
        fail(kills, "the station does not run after the kills");
    }
    rowsSeen = static_cast<int>(committed(folder).rows.size());
}

} // namespace

TEST(StationKilled, At200RandomMomentsLeavesWholeDatabasesTheLastTotalsAndEverySavedRow) {
    constexpr int workers = 4;
    constexpr int killsEach = 50;
    std::vector<std::vector<std::string>> faults(workers);
    std::vector<int> rows(workers, 0);
    std::vector<std::thread> threads;
    for (int w = 0; w < workers; ++w) {
        threads.emplace_back(killRepeatedly, w, killsEach, std::ref(faults[static_cast<std::size_t>(w)]),
                             std::ref(rows[static_cast<std::size_t>(w)]));
    }
    for (std::thread& t : threads) {
        t.join();
    }
    for (int w = 0; w < workers; ++w) {
        for (const std::string& fault : faults[static_cast<std::size_t>(w)]) {
            ADD_FAILURE() << fault;
        }
        // The kills fell among saves: rows were written and kept across them.
        EXPECT_GT(rows[static_cast<std::size_t>(w)], killsEach / 2) << "worker " << w;
    }
}

} // namespace usina::test
