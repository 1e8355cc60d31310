// The end of the program on virtual time. Rows a busy file keeps hold any close until the file takes
// them; the end asked from outside (SIGTERM, SIGINT) stops a running plant as its button stops it,
// without a login, and ends the program once the stop is complete, through the main window's unload,
// and the kept rows are written or its bound has passed. The stop itself completes only once every
// belt stands and every pump is sent 0.

#include "access/login_dialogs.h"
#include "app/end_on_request.h"
#include "plant/end_request.h"
#include "tests/process/process_fixture.h"

#include <memory>

namespace usina::test {

namespace {

using ::testing::ElementsAre;
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
    void request(const std::string& requester = "SIGTERM") { endOnRequest(*station, true, requester); }
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

// Nobody logged in and a moisture box emptied would hold the button's stop; a signal is no click.
// A second signal during the stop does not cut it short.
TEST_F(ProgramEndTest, ASignalWhileThePlantRunsStopsItAndEndsTheProgramOnceTheStopIsComplete) {
    runThePlant();
    access().UserLevel = "0";
    main().txtumid[3].setText("");
    const double asked = clock.monotonicSeconds();
    ::testing::internal::CaptureStderr();
    request();
    EXPECT_EQ(main().CmdLiga.caption(), "Desligando");
    EXPECT_FALSE(station->form<FormLogin5>().visible());
    run(1);
    request();
    ASSERT_TRUE(desktop.runUntil([&] { return ended(); }, 300));
    const std::string said = ::testing::internal::GetCapturedStderr();

    // The asphalt line sends the command of 12 s ago: the stop waited for its zeros to come through.
    EXPECT_GT(clock.monotonicSeconds() - asked, mix().AsphaltDelay);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(process().SiloSpeed[i], 0) << "silo " << i;
    }
    const std::vector<std::string> sent = traffic();
    EXPECT_THAT(std::vector<std::string>(sent.end() - 8, sent.end()),
                ElementsAre("W 1=0", "W 2=0", "W 3=0", "W 4=0", "W 5=0", "W 6=0", "W 7=0", "W 8=0"));
    EXPECT_GE(stopRecords(), 1u);
    EXPECT_FALSE(db().MixRecordset.isOpen());
    EXPECT_EQ(station->exitStatus(), 0);
    EXPECT_THAT(said, HasSubstr("usina: SIGTERM: desligando a usina; o programa termina quando ela parar"));
    EXPECT_THAT(said, HasSubstr("usina: SIGTERM: o fim já foi pedido"));
    EXPECT_THAT(said, HasSubstr("usina: usina parada; fim do programa"));
}

TEST_F(ProgramEndTest, ASignalWithThePlantStoppedEndsAtOnceAndSaysNothing) {
    start();
    ::testing::internal::CaptureStderr();
    request("SIGINT");
    EXPECT_TRUE(ended());
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(station->exitStatus(), 0);
    EXPECT_THAT(traffic(), ::testing::Contains("W 8=0"));
}

TEST_F(ProgramEndTest, RowsABusyFileKeepsHoldTheEndUntilItTakesThem) {
    runThePlant();
    holdProductionFile();
    ::testing::internal::CaptureStderr();
    request();
    ASSERT_TRUE(desktop.runUntil([&] { return stopped(); }, 300));
    run(40);
    EXPECT_FALSE(ended());
    EXPECT_EQ(stopRecords(), 0u);

    releaseProductionFile();
    run(1);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(ended());
    EXPECT_EQ(station->exitStatus(), 0);
    EXPECT_GE(stopRecords(), 1u);
    EXPECT_NEAR(totalizador()[1].number, process().TotalProduction, 0.01);
    EXPECT_THAT(said,
                HasSubstr("registros guardados para o arquivo datranvik.mdb: o programa espera até 60 s"));
}

TEST_F(ProgramEndTest, RowsStillRefusedAtTheBoundAreLostWithALineThatCountsThemAndStatusThree) {
    runThePlant();
    holdProductionFile();
    ::testing::internal::CaptureStderr();
    request();
    ASSERT_TRUE(desktop.runUntil([&] { return stopped(); }, 300));
    run(keptWritesWaitSeconds - 2);
    EXPECT_FALSE(ended());
    ASSERT_TRUE(desktop.runUntil([&] { return ended(); }, 5));
    const std::string said = ::testing::internal::GetCapturedStderr();
    releaseProductionFile();
    EXPECT_EQ(station->exitStatus(), Station::writesLost);
    EXPECT_THAT(said,
                ::testing::ContainsRegex("usina: [0-9]+ registros guardados para o arquivo datranvik.mdb "
                                         "não puderam ser gravados antes do fim do programa"));
    EXPECT_EQ(stopRecords(), 0u);
    EXPECT_THAT(traffic(), ::testing::Contains("W 8=0"));
}

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

namespace {

struct SentPlace {
    const char* name;
    DelayLine ClockState::*line;
};

class TheStopCompletes : public ProgramEndTest, public ::testing::WithParamInterface<SentPlace> {};

} // namespace

// Every belt stands; the pump command sent from one line is still not 0.
TEST_P(TheStopCompletes, OnlyOnceEveryLinesSentPlaceIs0) {
    start();
    startPlant();
    stopPlant();
    mix().AsphaltDelay = mix().FillerDelay = mix().MaltenoDelay = mix().FibreDelay = 3.5;
    (clockState().*GetParam().line)[3] = 7;
    regulateOnce();
    EXPECT_EQ(main().CmdLiga.caption(), "Desligando");
    (clockState().*GetParam().line)[3] = 0;
    regulateOnce();
    EXPECT_TRUE(stopped());
}

INSTANTIATE_TEST_SUITE_P(Lines, TheStopCompletes,
                         ::testing::Values(SentPlace{"Asphalt", &ClockState::AsphaltDelayLine},
                                           SentPlace{"Filler", &ClockState::FillerDelayLine},
                                           SentPlace{"Malteno", &ClockState::MaltenoDelayLine},
                                           SentPlace{"Fibre", &ClockState::FibreDelayLine}),
                         ByName());

} // namespace usina::test
