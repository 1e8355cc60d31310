// Records survive a power cut: their commits flush the disk. The totals row, saved twice a second,
// commits without a flush (a power cut loses at most the totals since the last flushed commit).

#include "tests/store/support/faulty_disk.h"
#include "tests/store/support/store_fixture.h"

#include "platform/store/table_recordset.h"
#include "platform/store/write_queue.h"

#include <memory>

namespace usina::store::testing {
namespace {

class DurabilityTest : public StoreTest {};

TEST_F(DurabilityTest, RecordsCommitWithADiskFlushAndTheTotalsWithout) {
    FaultyDisk disk; // counts the flushes
    const auto file = createPlantDatabase();
    auto writes = std::make_shared<WriteQueue>();
    TableRecordset totals;
    TableRecordset records;
    totals.open("totalizador", file, OpenOptions{false, writes});
    records.open("Tabela", file, OpenOptions{true, writes});
    const auto saveTotals = [&](int i) {
        disk.takeSyncCount();
        totals.moveFirst();
        totals("total") = i;
        totals.update();
        return disk.takeSyncCount();
    };
    const auto saveRecord = [&](int i) {
        disk.takeSyncCount();
        records.addNew();
        records("fase") = i;
        records.update();
        return disk.takeSyncCount();
    };
    // A fresh log file has its header flushed once, at the start.
    saveTotals(-2);
    saveTotals(-1);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(saveTotals(i), 0) << "totals " << i;
        EXPECT_GT(saveRecord(i), 0) << "record " << i;
    }
    EXPECT_EQ(rawText(file, "SELECT total || ' ' || (SELECT count(*) FROM Tabela) FROM totalizador"),
              "3.0 3");
}

} // namespace
} // namespace usina::store::testing
