// The end of the program on virtual time: rows a busy file keeps hold any close until the file takes
// them.

#include "tests/process/process_fixture.h"

#include <memory>

namespace usina::test {

namespace {

using ::testing::HasSubstr;

class ProgramEndTest : public ProcessTest {
protected:
    // A plant that has run long enough for every belt and the delay lines to carry material.
    void runThePlant() {
        startRunnablePlant();
        run(30);
        ASSERT_GT(plant->written(1), 0);
        ASSERT_GT(clockState().AsphaltDelayLine[delayPlace(mix().AsphaltDelay)], 0);
    }
    bool ended() { return station->ws().ended(); }
    bool stopped() { return main().CmdLiga.caption() == "Iniciar Processo"; }
    // The production rows written after the stop's click: every share 0.
    std::size_t stopRecords() const {
        return static_cast<std::size_t>(
            database("datranvik.mdb")
                .scalar("SELECT count(*) FROM Tabela WHERE silo1 = 0 AND silo2 = 0 AND silo3 = 0 AND "
                        "silo4 = 0 AND silo5 = 0")
                .number);
    }
    // Another program takes the file's write lock, as a backup or a database browser does.
    void holdProductionFile() {
        holder = std::make_unique<SqliteFile>(folder.path() / "datranvik.mdb");
        holder->execute("BEGIN IMMEDIATE");
    }
    void releaseProductionFile() {
        holder->execute("COMMIT");
        holder.reset();
    }

    std::unique_ptr<SqliteFile> holder;
};

} // namespace

// The close button, the menus' way out and the language window all close the window so.
TEST_F(ProgramEndTest, TheCloseWaitsForRowsABusyFileKeepsAndNamesTheFile) {
    runThePlant();
    holdProductionFile();
    stopPlant();
    ASSERT_TRUE(desktop.runUntil([&] { return stopped(); }, 300));
    main().LblOcorrenc.setCaption("");
    const int beeps = desktop.beeps();
    station->ws().closeByPerson(main());
    EXPECT_FALSE(ended());
    EXPECT_THAT(main().LblOcorrenc.caption(), HasSubstr("para o arquivo datranvik.mdb ainda por gravar"));
    EXPECT_EQ(desktop.beeps(), beeps + 1);
    EXPECT_TRUE(db().MixRecordset.isOpen());

    releaseProductionFile();
    station->ws().closeByPerson(main());
    EXPECT_TRUE(ended());
    EXPECT_EQ(station->exitStatus(), 0);
    EXPECT_GE(stopRecords(), 1u);
}

} // namespace usina::test
