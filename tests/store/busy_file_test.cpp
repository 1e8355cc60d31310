// A file that refuses writes for a while (another program holds it, the disk is full, a write fails)
// loses no row: what was saved is kept, read back as saved, and written in order once the file takes it;
// each fault is told once, and so is the recovery. A row that cannot wait is refused at once.

#include "tests/store/support/faulty_disk.h"
#include "tests/store/support/other_program.h"
#include "tests/store/support/store_fixture.h"

#include "platform/store/store_error.h"
#include "platform/store/table_recordset.h"
#include "platform/store/write_queue.h"

#include <sqlite3.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace usina::store::testing {
namespace {

class BusyFileTest : public StoreTest {
protected:
    void SetUp() override {
        file = createPlantDatabase();
        writes->setObserver([this](const StoreNotice& notice) { notices.push_back(notice); });
        const OpenOptions durable{true, writes};
        records.open("Tabela", file, durable);
        totals.open("totalizador", file, OpenOptions{false, writes});
        tickets.open("RelCarga", file, durable);
        errors.open("Tblerro", file, durable);
        mixes.open("alt_mist", file, durable);
    }

    void addRecord(int phase) {
        records.addNew();
        records("fase") = phase;
        records("receita") = "Pedra";
        records.update();
    }

    void saveTotals(double total) {
        totals.moveFirst();
        totals("total") = total;
        totals.update();
    }

    double addTicket(int kilograms) {
        tickets.addNew();
        tickets("quant_carga") = kilograms;
        tickets.update();
        tickets.moveLast();
        return tickets.field("codigo_cupom").number();
    }

    std::vector<StoreNotice::Kind> kindsTold() const {
        std::vector<StoreNotice::Kind> kinds;
        for (const StoreNotice& notice : notices)
            kinds.push_back(notice.kind);
        return kinds;
    }

    std::string stored(const std::string& sql) const { return rawText(file, sql); }

    std::filesystem::path file;
    std::shared_ptr<WriteQueue> writes = std::make_shared<WriteQueue>();
    std::vector<StoreNotice> notices;
    TableRecordset records;
    TableRecordset totals;
    TableRecordset tickets;
    TableRecordset errors;
    TableRecordset mixes;
    FaultyDisk disk;
    std::unique_ptr<OtherProgram> otherProgram;
};

TEST_F(BusyFileTest, RowsSavedWhileTheFileRefusesThemAreWrittenLaterInOrder) {
    struct Cause {
        const char* name;
        std::function<void()> begin;
        std::function<void()> end;
        std::string told;
    };
    const std::vector<Cause> causes = {
        {"another program", [&] { otherProgram = std::make_unique<OtherProgram>(file, holdsTheWriteLock); },
         [&] { otherProgram.reset(); },
         "O arquivo datranvik.mdb está em uso por outro programa (tabela Tabela)."},
        {"full disk", [&] { disk.failWrites(SQLITE_FULL); }, [&] { disk.failWrites(SQLITE_OK); },
         "O disco onde está o arquivo datranvik.mdb está cheio (tabela Tabela)."},
        {"write error", [&] { disk.failWrites(SQLITE_IOERR_WRITE); }, [&] { disk.failWrites(SQLITE_OK); },
         "Erro de leitura ou gravação no disco do arquivo datranvik.mdb (tabela Tabela)."},
    };
    int phase = 0;
    double ticketsBefore = 0;
    for (const Cause& cause : causes) {
        SCOPED_TRACE(cause.name);
        notices.clear();
        const int firstPhase = phase + 1;
        cause.begin();
        for (int i = 0; i < 3; ++i) {
            addRecord(++phase);
            EXPECT_EQ(records.field("fase"), Value(phase)); // read back as saved
            saveTotals(phase * 10.0);
            writes->flush(); // the station's timer, while the file still refuses
        }
        const double ticket = addTicket(12000);
        EXPECT_EQ(ticket, ticketsBefore + 1); // numbered at once, as it will be stored
        tickets("placa") = " ABC1234";        // the plate, typed while the ticket waits
        tickets.update();
        errors.addNew();
        errors("Erro") = cause.name;
        errors.update();
        totals.moveFirst();
        EXPECT_EQ(totals.field("total"), Value(phase * 10.0));
        EXPECT_EQ(records.recordCount(), phase);
        EXPECT_EQ(stored("SELECT count(*) FROM Tabela"), std::to_string(firstPhase - 1));
        ASSERT_EQ(kindsTold(), std::vector<StoreNotice::Kind>{StoreNotice::Kind::writesWaiting});
        EXPECT_EQ(notices[0].text,
                  cause.told + " Os registros ficam guardados e serão gravados assim que o arquivo aceitar.");
        EXPECT_EQ(notices[0].file, file);

        cause.end();
        EXPECT_TRUE(writes->flush());
        EXPECT_EQ(writes->waitingCount(), 0u);
        ASSERT_EQ(kindsTold(), (std::vector<StoreNotice::Kind>{StoreNotice::Kind::writesWaiting,
                                                               StoreNotice::Kind::writable}));
        EXPECT_EQ(
            notices[1].text,
            "O arquivo datranvik.mdb voltou a aceitar gravações: 6 registros guardados foram gravados.");
        std::string phases;
        for (int p = 1; p <= phase; ++p)
            phases += (p == 1 ? "" : ",") + std::to_string(p);
        EXPECT_EQ(stored("SELECT group_concat(fase) FROM (SELECT fase FROM Tabela ORDER BY rowid)"), phases);
        EXPECT_EQ(stored("SELECT count(*) || ' ' || total FROM totalizador"),
                  "1 " + std::to_string(phase * 10) + ".0");
        EXPECT_EQ(stored("SELECT codigo_cupom || placa FROM RelCarga ORDER BY codigo_cupom DESC"),
                  std::to_string(static_cast<int>(ticket)) + " ABC1234");
        EXPECT_EQ(stored("SELECT Erro FROM Tblerro ORDER BY rowid DESC"), cause.name);
        tickets.moveLast();
        EXPECT_EQ(tickets.field("codigo_cupom"), Value(ticket)); // now read from the file
        ticketsBefore = ticket;
    }
}

TEST_F(BusyFileTest, ARowThatCannotWaitIsRefusedAtOnceAndNothingOfItIsKept) {
    otherProgram = std::make_unique<OtherProgram>(file, holdsTheWriteLock);
    mixes.addNew();
    mixes("mistura") = "Cal";
    expectRunTimeError([&] { mixes.update(); }, store_error_number::locked,
                       {"datranvik.mdb está em uso por outro programa (tabela alt_mist)", "grave de novo"});
    EXPECT_FALSE(mixes.hasPendingRow());
    mixes.seek("Pedra");
    mixes("mistura") = "Pedra britada"; // a renamed key
    expectRunTimeError([&] { mixes.update(); }, store_error_number::locked, {"alt_mist"});
    mixes.seek("Pedra");
    expectRunTimeError([&] { mixes.deleteCurrent(); }, store_error_number::locked,
                       {"alt_mist", "exclua de novo"});
    EXPECT_EQ(writes->waitingCount(), 0u);
    writes->flush();
    EXPECT_TRUE(notices.empty()); // the refusals were thrown; nothing waits to be told of

    // A change that keeps its key can wait, and is read back as saved.
    mixes.seek("Pedra");
    mixes("quantdd1") = 35;
    mixes.update();
    mixes.seek("PEDRA");
    EXPECT_EQ(mixes.field("quantdd1"), Value(35));
    otherProgram.reset();
    writes->flush();
    EXPECT_EQ(stored("SELECT quantdd1 FROM alt_mist WHERE rowid = 1"), "35.0");
    EXPECT_EQ(stored("SELECT count(*) FROM alt_mist"), "4");
}

TEST_F(BusyFileTest, AKeptChangeWhoseRowWentIsToldAndDropped) {
    otherProgram = std::make_unique<OtherProgram>(file, holdsTheWriteLock);
    saveTotals(42);
    otherProgram->run("DELETE FROM totalizador; COMMIT;");
    otherProgram.reset();
    writes->flush();
    ASSERT_EQ(kindsTold(),
              (std::vector<StoreNotice::Kind>{StoreNotice::Kind::writesWaiting,
                                              StoreNotice::Kind::writeRefused, StoreNotice::Kind::writable}));
    EXPECT_EQ(notices[1].text,
              "Um registro guardado não pôde ser gravado: O registro a alterar não existe mais: "
              "outro programa o removeu (tabela totalizador, arquivo datranvik.mdb)");
    EXPECT_EQ(writes->waitingCount(), 0u);
}

// A kept ticket keeps its number unless another program took that number meanwhile: then it is stored
// with the next one, and that is told.
TEST_F(BusyFileTest, AKeptTicketWhoseNumberWasTakenGetsTheNextOne) {
    EXPECT_EQ(addTicket(1000), 1);
    otherProgram = std::make_unique<OtherProgram>(file, holdsTheWriteLock);
    EXPECT_EQ(addTicket(2000), 2);
    EXPECT_EQ(addTicket(3000), 3);
    otherProgram->run("INSERT INTO RelCarga (quant_carga) VALUES (9999); COMMIT;");
    otherProgram.reset();
    writes->flush();
    EXPECT_EQ(stored("SELECT group_concat(codigo_cupom || ':' || quant_carga) FROM "
                     "(SELECT * FROM RelCarga ORDER BY codigo_cupom)"),
              "1:1000,2:9999,3:3000,4:2000");
    ASSERT_EQ(kindsTold(), (std::vector<StoreNotice::Kind>{StoreNotice::Kind::writesWaiting,
                                                           StoreNotice::Kind::ticketRenumbered,
                                                           StoreNotice::Kind::writable}));
    EXPECT_EQ(notices[1].text, "O registro guardado número 2 da tabela RelCarga (arquivo datranvik.mdb) foi "
                               "gravado com o número 4: o número 2 já estava em uso.");
}

// Report numbers are the last row's number plus one: the last row may be one still waiting.
TEST_F(BusyFileTest, TheLastRowIsTheLastKeptOneAndAKeptRowCanBeDeleted) {
    TableRecordset reports;
    reports.open("RelProducao", file, OpenOptions{true, writes});
    otherProgram = std::make_unique<OtherProgram>(file, holdsTheWriteLock);
    for (const char* number : {"00000001", "00000001", "00000002"}) {
        reports.moveLast();
        reports.addNew();
        reports("Num") = number;
        reports.update();
    }
    reports.moveLast();
    EXPECT_EQ(reports.field("Num"), Value("00000002"));
    reports.deleteCurrent();
    reports.moveFirst();
    std::vector<Value> numbers = valuesToEnd(reports, "Num");
    EXPECT_EQ(numbers, (std::vector<Value>{"00000000", "00000001", "00000001"}));
    otherProgram.reset();
    writes->flush();
    EXPECT_EQ(stored("SELECT group_concat(Num) FROM RelProducao"), "00000000,00000001,00000001");
}

// Without a shared queue a recordset keeps its own, and writes what waits at its next use of the file.
TEST_F(BusyFileTest, ARecordsetOnItsOwnWritesWhatWaitsAtItsNextUse) {
    TableRecordset own;
    own.open("Tabela", file);
    otherProgram = std::make_unique<OtherProgram>(file, holdsTheWriteLock);
    own.addNew();
    own("fase") = 1;
    own.update();
    EXPECT_EQ(own.waitingCount(), 1u);
    otherProgram.reset();
    own.moveLast();
    EXPECT_EQ(own.waitingCount(), 0u);
    EXPECT_EQ(stored("SELECT count(*) FROM Tabela"), "1");
    EXPECT_EQ(own.field("fase"), Value(1));
}

TEST_F(BusyFileTest, WhatTheFileStillRefusesAtTheEndIsToldAsLost) {
    otherProgram = std::make_unique<OtherProgram>(file, holdsTheWriteLock);
    addRecord(1);
    addRecord(2);
    writes->finish();
    ASSERT_EQ(kindsTold(), (std::vector<StoreNotice::Kind>{StoreNotice::Kind::writesWaiting,
                                                           StoreNotice::Kind::writesLost}));
    EXPECT_EQ(notices[1].count, 2u);
    EXPECT_EQ(notices[1].text.rfind(
                  "2 registros guardados para o arquivo datranvik.mdb não puderam ser gravados antes "
                  "do fim do programa: O arquivo datranvik.mdb está em uso por outro programa",
                  0),
              0u);
    EXPECT_EQ(writes->waitingCount(), 0u);
}

} // namespace
} // namespace usina::store::testing
