#include "tests/store/support/store_fixture.h"

#include "platform/store/connection.h"
#include "platform/store/table_recordset.h"

#include <variant>

namespace usina::store::testing {
namespace {

using OpeningTest = StoreTest;

TEST_F(OpeningTest, MissingFileIsNamedAndNeverCreated) {
    TableRecordset recordset;
    const auto file = path("calranvik.mdb");
    expectRunTimeError([&] { recordset.open("constantes", file); }, error_number::fileNotFound,
                       {"calranvik.mdb"});
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(recordset.isOpen());
}

TEST_F(OpeningTest, MissingTableIsNamedWithItsFile) {
    const auto file = createPlantDatabase();
    TableRecordset recordset;
    expectRunTimeError([&] { recordset.open("senhas", file); }, error_number::tableNotFound,
                       {"senhas", "datranvik.mdb"});
}

TEST_F(OpeningTest, TableNamesAreCaseBlindAndTheFirstRowIsCurrent) {
    const auto file = createPlantDatabase();
    TableRecordset recordset;
    recordset.open("ALT_MIST", file);
    ASSERT_FALSE(recordset.eof());
    EXPECT_EQ(recordset.field("mistura"), Value("ação"));
}

TEST_F(OpeningTest, FileIsPutInWalMode) {
    const auto file =
        createDatabase("idioma.mdb", "CREATE TABLE lingua (portugues TEXT PRIMARY KEY COLLATE PTNOCASE)");
    ASSERT_EQ(rawText(file, "PRAGMA journal_mode"), "delete");
    TableRecordset recordset;
    recordset.open("lingua", file);
    EXPECT_EQ(rawText(file, "PRAGMA journal_mode"), "wal");
}

TEST_F(OpeningTest, SynchronousLevelFollowsDurability) {
    const auto file = createPlantDatabase();
    const auto synchronousOf = [&](bool durable) {
        Connection connection(file, Connection::Access::ReadWrite, durable);
        return std::get<std::int64_t>(connection.prepare("PRAGMA synchronous").fetchRow()->at(0));
    };
    EXPECT_EQ(synchronousOf(true), 2);  // FULL
    EXPECT_EQ(synchronousOf(false), 1); // NORMAL
}

TEST_F(OpeningTest, ClosedRecordsetRefusesWorkWithoutCrashing) {
    const auto file = createPlantDatabase();
    TableRecordset recordset;
    recordset.open("alt_mist", file);
    recordset.close();
    EXPECT_FALSE(recordset.isOpen());
    EXPECT_TRUE(recordset.eof());
    expectRunTimeError([&] { recordset.moveFirst(); }, error_number::invalidProcedureCall, {"alt_mist"});
    expectRunTimeError([&] { (void)recordset.field("mistura"); }, error_number::invalidProcedureCall);
}

} // namespace
} // namespace usina::store::testing
