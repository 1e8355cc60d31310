#include "tests/store/support/store_fixture.h"

#include "platform/store/table_recordset.h"

namespace usina::store::testing {
namespace {

class PendingRowTest : public StoreTest {
protected:
    void SetUp() override {
        file = createPlantDatabase();
        mixes.open("alt_mist", file);
        tickets.open("RelCarga", file);
    }

    std::string storedCount(const char* table) const {
        return rawText(file, std::string("SELECT count(*) FROM ") + table);
    }

    std::filesystem::path file;
    TableRecordset mixes;
    TableRecordset tickets;
};

TEST_F(PendingRowTest, AddNewSavesTheRowPendingFromAnEarlierAddNew) {
    mixes.addNew();
    mixes("mistura") = "Cal";
    mixes("producao_o") = "95";
    mixes.addNew();
    EXPECT_EQ(storedCount("alt_mist"), "5");
    mixes("mistura") = "Filler";
    mixes.update();
    EXPECT_EQ(storedCount("alt_mist"), "6");
    mixes.seek("cal");
    EXPECT_EQ(mixes.field("producao_o"), Value(95));
}

TEST_F(PendingRowTest, SettingTheIndexAgainKeepsThePendingRowPending) {
    mixes.addNew();
    mixes("mistura") = "Cal";
    mixes.setIndex("primarykey");
    EXPECT_TRUE(mixes.hasPendingRow());
    EXPECT_EQ(mixes.field("mistura"), Value("Cal"));
    EXPECT_EQ(storedCount("alt_mist"), "4");
    mixes.update();
    EXPECT_EQ(storedCount("alt_mist"), "5");
    expectRunTimeError([&] { mixes.setIndex("mistura"); }, error_number::itemNotFound,
                       {"mistura", "alt_mist"});
}

TEST_F(PendingRowTest, UpdateWithNothingPendingDoesNothing) {
    mixes.seek("Brita");
    mixes.update();
    EXPECT_EQ(mixes.field("mistura"), Value("Brita"));
    EXPECT_EQ(storedCount("alt_mist"), "4");
    tickets.addNew();
    tickets.update();
    tickets.update();
    EXPECT_EQ(storedCount("RelCarga"), "1");
}

TEST_F(PendingRowTest, PendingFieldsReadWrittenDefaultOrNull) {
    mixes.addNew();
    EXPECT_FALSE(mixes.eof());
    EXPECT_EQ(mixes.field("mistura"), Value::null());
    EXPECT_EQ(mixes.field("tempo_asf"), Value(7)); // the column's default
    mixes("tempo_asf") = "2,5";
    EXPECT_EQ(mixes.field("tempo_asf"), Value(2)); // as it will be stored
    mixes.cancelUpdate();

    mixes.seek("Pedra");
    mixes("quantdd1") = 33;
    EXPECT_EQ(mixes.field("quantdd1"), Value(33));
    EXPECT_EQ(mixes.field("producao_o"), Value(120));
    mixes.cancelUpdate();
    EXPECT_EQ(mixes.field("quantdd1"), Value(30));
}

TEST_F(PendingRowTest, FieldWriteWithoutAddNewEditsTheCurrentRow) {
    mixes.seek("areia");
    mixes("producao_o") = "85,5";
    EXPECT_TRUE(mixes.hasPendingRow());
    mixes.update();
    EXPECT_EQ(storedCount("alt_mist"), "4");
    EXPECT_EQ(rawText(file, "SELECT producao_o FROM alt_mist WHERE mistura = 'areia'"), "85.5");
}

TEST_F(PendingRowTest, MovingSavesThePendingEdit) {
    mixes.seek("areia");
    mixes("producao_o") = 81;
    mixes.moveNext();
    EXPECT_EQ(mixes.field("mistura"), Value("Brita"));
    EXPECT_EQ(rawText(file, "SELECT producao_o FROM alt_mist WHERE mistura = 'areia'"), "81.0");
}

TEST_F(PendingRowTest, WritingTheKeyRenamesTheRow) {
    mixes.seek("areia");
    mixes("mistura") = "Areia lavada";
    mixes.update();
    EXPECT_EQ(mixes.field("mistura"), Value("Areia lavada"));
    EXPECT_EQ(storedCount("alt_mist"), "4");
    mixes.seek("areia");
    EXPECT_TRUE(mixes.eof());
    mixes.seek("AREIA LAVADA");
    ASSERT_FALSE(mixes.eof());
    EXPECT_EQ(mixes.field("silo 1"), Value("areia fina"));
}

TEST_F(PendingRowTest, RenamingOntoAnotherKeyIsRefusedAndCancelled) {
    mixes.seek("areia");
    mixes("mistura") = "PEDRA";
    expectRunTimeError([&] { mixes.update(); }, error_number::duplicateKey, {"PEDRA"});
    EXPECT_FALSE(mixes.hasPendingRow());
    EXPECT_EQ(mixes.field("mistura"), Value("areia"));
    EXPECT_EQ(rawText(file, "SELECT count(*) FROM alt_mist WHERE mistura = 'areia'"), "1");
}

TEST_F(PendingRowTest, NullKeyIsRefusedAndNothingSaved) {
    mixes.addNew();
    mixes("producao_o") = 50;
    expectRunTimeError([&] { mixes.update(); }, error_number::invalidUseOfNull, {"mistura"});
    mixes.seek("Pedra");
    mixes("mistura") = Value::null();
    expectRunTimeError([&] { mixes.update(); }, error_number::invalidUseOfNull, {"mistura"});
    EXPECT_EQ(storedCount("alt_mist"), "4");
    EXPECT_EQ(rawText(file, "SELECT count(*) FROM alt_mist WHERE mistura IS NULL"), "0");
}

TEST_F(PendingRowTest, TicketNumbersIncreaseAndAreReadBackAfterUpdate) {
    const auto addTicket = [&] {
        tickets.addNew();
        tickets("quant_carga") = 12000;
        tickets.update();
        return tickets.field("codigo_cupom").number();
    };
    EXPECT_EQ(addTicket(), 1);
    EXPECT_EQ(tickets.field("placa"), Value("s/placa")); // the saved row with its default
    EXPECT_EQ(addTicket(), 2);
    tickets.moveLast();
    tickets.deleteCurrent();
    EXPECT_EQ(addTicket(), 3); // never reused, even after the last row went
    EXPECT_EQ(tickets.recordCount(), 2);

    TableRecordset reopened;
    reopened.open("RelCarga", file);
    reopened.moveLast();
    EXPECT_EQ(reopened.field("codigo_cupom"), Value(3));
}

TEST_F(PendingRowTest, DeleteDuringAddNewDropsOnlyTheNewRow) {
    tickets.addNew();
    tickets.update();
    tickets.addNew();
    tickets.deleteCurrent();
    EXPECT_FALSE(tickets.hasPendingRow());
    EXPECT_EQ(tickets.recordCount(), 1);
}

TEST_F(PendingRowTest, CloseDropsAPendingRow) {
    mixes.addNew();
    mixes("mistura") = "Cal";
    mixes.close();
    EXPECT_EQ(storedCount("alt_mist"), "4");
}

} // namespace
} // namespace usina::store::testing
