// While other programs hold every file for seconds, the station goes on saving as it does when the plant
// runs: no call keeps the user-interface thread for long, and afterwards every row is there, in order.
// The bound is asserted with wide slack; bench/store measures the real figures.

#include "tests/store/support/other_program.h"
#include "tests/store/support/store_fixture.h"

#include "platform/store/table_recordset.h"
#include "platform/store/write_queue.h"

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace usina::store::testing {
namespace {

using Clock = std::chrono::steady_clock;

class LockWaitBoundTest : public StoreTest {
protected:
    template <typename Action> void timed(Action action) {
        const Clock::time_point start = Clock::now();
        action();
        longest = std::max(longest, Clock::now() - start);
    }

    Clock::duration longest{};
};

TEST_F(LockWaitBoundTest, SavesWhileEveryFileIsHeldStayShortAndLoseNothing) {
    const auto production = createPlantDatabase("datranvik.mdb");
    const auto reportsFile = createPlantDatabase("dat2.mdb");
    const auto runtime = createPlantDatabase("bdruntime.mdb");
    auto writes = std::make_shared<WriteQueue>();
    TableRecordset totals, records, tickets, reports, errors;
    totals.open("totalizador", production, OpenOptions{false, writes});
    records.open("Tabela", production, OpenOptions{true, writes});
    tickets.open("RelCarga", reportsFile, OpenOptions{true, writes});
    reports.open("RelProducao", reportsFile, OpenOptions{true, writes});
    errors.open("Tblerro", runtime, OpenOptions{true, writes});

    std::vector<std::unique_ptr<OtherProgram>> holders;
    for (const auto& file : {production, reportsFile, runtime})
        holders.push_back(std::make_unique<OtherProgram>(file, holdsTheWriteLock));

    // Forty ticks paced like a fast timer: the files stay held for three seconds.
    constexpr int ticks = 40;
    constexpr auto tickPeriod = std::chrono::milliseconds(75);
    std::vector<double> ticketNumbers;
    for (int tick = 1; tick <= ticks; ++tick) {
        std::this_thread::sleep_for(tickPeriod);
        timed([&] {
            totals.moveFirst();
            totals("total") = tick;
            totals.update();
        });
        if (tick % 4 == 0)
            timed([&] {
                records.addNew();
                records("fase") = tick / 4;
                records.update();
            });
        if (tick % 10 == 0) {
            timed([&] {
                tickets.addNew();
                tickets("quant_carga") = tick;
                tickets.update();
                tickets.moveLast();
                ticketNumbers.push_back(tickets.field("codigo_cupom").number());
            });
            timed([&] {
                reports.addNew();
                reports("Num") = tick;
                reports.update();
                errors.addNew();
                errors("Num do erro") = tick;
                errors.update();
            });
        }
        timed([&] { writes->flush(); });
    }
    EXPECT_LT(longest, std::chrono::seconds(1));
    EXPECT_EQ(rawText(production, "SELECT count(*) FROM Tabela"), "0");

    holders.clear();
    EXPECT_TRUE(writes->flush());
    EXPECT_EQ(ticketNumbers, (std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(rawText(production, "SELECT total FROM totalizador"), "40.0");
    EXPECT_EQ(rawText(production, "SELECT group_concat(fase) FROM (SELECT fase FROM Tabela ORDER BY rowid)"),
              "1,2,3,4,5,6,7,8,9,10");
    EXPECT_EQ(rawText(reportsFile, "SELECT group_concat(codigo_cupom || ':' || quant_carga) FROM RelCarga"),
              "1:10,2:20,3:30,4:40");
    EXPECT_EQ(
        rawText(reportsFile, "SELECT group_concat(Num) FROM (SELECT Num FROM RelProducao ORDER BY rowid)"),
        "00000000,10,20,30,40");
    EXPECT_EQ(rawText(runtime, "SELECT group_concat(\"Num do erro\") FROM Tblerro"), "10,20,30,40");
}

} // namespace
} // namespace usina::store::testing
