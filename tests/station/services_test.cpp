// Translation, the message line, the key filters, the error log and the guard around every event.

#include "platform/forms/key_codes.h"
#include "platform/value/conversions.h"
#include "platform/value/run_time_error.h"
#include "tests/station/station_fixture.h"

#include <stdexcept>

using ::testing::HasSubstr;

namespace usina::test {

TEST_F(StationTest, TranslateTextLooksUpTheLanguageColumn) {
    sql("calranvik.mdb", "UPDATE constantes SET idioma = 'ingles'");
    sql("idioma.mdb", "INSERT INTO lingua (texto, portugues, espanhol, ingles, italiano, frances, alemao) "
                      "VALUES ('Texto sem tradução', 'x', 'x', NULL, 'x', 'x', 'x')");
    start();
    EXPECT_EQ(services().TranslateText("Iniciar Processo"), "Start Process");
    EXPECT_EQ(services().TranslateText("INICIAR PROCESSO"),
              "Start Process"); // keys compare without regard to case
    EXPECT_EQ(services().TranslateText("Texto que não existe"), "######");
    EXPECT_EQ(services().TranslateText("Texto sem tradução"), "naotem");
    EXPECT_EQ(services().TranslateText("Iniciar Processo "), "######"); // a trailing blank counts
}

TEST_F(StationTest, EmptyTextIsTranslatedWithoutALookup) {
    start();
    db().LanguageRecordset.seek(Value("Iniciar Processo"));
    EXPECT_EQ(services().TranslateText(""), "");
    EXPECT_EQ(toText(db().LanguageRecordset.field("texto")), "Iniciar Processo");
}

TEST_F(StationTest, LanguageTheTableDoesNotKnowFallsBackToPortuguese) {
    sql("calranvik.mdb", "UPDATE constantes SET idioma = 'klingon'");
    start();
    EXPECT_EQ(services().LanguageColumn, "portugues");
    EXPECT_EQ(main().CmdLiga.caption(), "Iniciar Processo");
}

TEST_F(StationTest, FirstMessageOnTheLineWinsAndSetsTheRecordCounterOnce) {
    start();
    main().LblOcorrenc.setCaption("");
    services().RecordPeriod = 120;
    services().RecordTick = 3;
    services().ShowOccurrence("primeira");
    services().RecordTick = 40;
    services().ShowOccurrence("segunda");
    EXPECT_EQ(main().LblOcorrenc.caption(), "primeira");
    EXPECT_EQ(services().CurrentOccurrence, "primeira");
    EXPECT_EQ(services().RecordTick, 40);
}

TEST_F(StationTest, NumericKeyFilterLetsDigitsCommaEnterAndBackspaceThrough) {
    start();
    struct Case {
        int key;
        int result;
    };
    const Case cases[] = {{'0', '0'}, {'9', '9'}, {',', ','}, {13, 13}, {8, 8},
                          {'.', 0},   {'-', 0},   {'a', 0},   {' ', 0}, {231, 0}};
    int beeps = desktop.beeps();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        main().LblOcorrenc.setCaption("");
        int key = c.key;
        EXPECT_EQ(services().NumericKeyFilter(key), c.result);
        EXPECT_EQ(key, c.result);
        const bool dropped = c.result == 0;
        EXPECT_EQ(main().LblOcorrenc.caption(), dropped ? "Use Números !" : "");
        EXPECT_EQ(desktop.beeps(), beeps + (dropped ? 1 : 0));
        beeps = desktop.beeps();
    }
}

TEST_F(StationTest, DroppedKeyBeepsEveryTimeButTheMessageOnlyWhenTheLineIsFree) {
    start();
    main().LblOcorrenc.setCaption("outra");
    const int beeps = desktop.beeps();
    int key = '.';
    services().NumericKeyFilter(key);
    EXPECT_EQ(main().LblOcorrenc.caption(), "outra");
    EXPECT_EQ(desktop.beeps(), beeps + 1);
}

TEST_F(StationTest, IsDigitKeyIsTrueForDigitsAndBackspaceOnly) {
    start();
    for (int key = 0; key < 256; ++key) {
        EXPECT_EQ(services().IsDigitKey(key), (key >= '0' && key <= '9') || key == 8) << key;
    }
}

TEST_F(StationTest, NullToEmptyReplacesNullInTheCallersVariable) {
    start();
    Value v = Value::null();
    EXPECT_EQ(services().NullToEmpty(v), Value(""));
    EXPECT_EQ(v, Value(""));
    Value kept(12.5);
    EXPECT_EQ(services().NullToEmpty(kept), Value(12.5));
}

TEST_F(StationTest, LogErrorStoresABlankForAnEmptyDescription) {
    start();
    services().LogError(13, "", "FormConfig", "CmdAplicar");
    const auto rows =
        database("bdruntime.mdb")
            .query(
                "SELECT \"Data\", \"Hora\", \"Num do erro\", \"Erro\", \"Forma\", \"Elemento\" FROM Tblerro");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].text, "2026-12-10");
    EXPECT_EQ(rows[0][1].text, "08:00:00");
    EXPECT_EQ(rows[0][2].number, 13);
    EXPECT_EQ(rows[0][3].text, " ");
    EXPECT_EQ(rows[0][4].text, "FormConfig");
    EXPECT_EQ(rows[0][5].text, "CmdAplicar");
}

TEST_F(StationTest, TranslateFormKeepsAnEmptyLabelEmpty) {
    start();
    EXPECT_EQ(main().LblOcorrenc.caption(), "");
    EXPECT_EQ(main().Lblmax.caption(), "200"); // written after the translation by the load
    main().LblDia.setCaption("");
    services().TranslateForm(main());
    EXPECT_EQ(main().LblDia.caption(), "");
}

TEST_F(StationTest, ErrorNoHandlerTrappedIsLoggedOnceShownAndTheStationRunsOn) {
    start();
    int ticks = 0;
    main().TimerTempo.Tick = [&] {
        ++ticks;
        throw RunTimeError(error_number::typeMismatch, "Tipos incompatíveis");
    };
    desktop.advance(8.0); // ten ticks of the clock timer
    EXPECT_EQ(ticks, 10);
    const auto rows = database("bdruntime.mdb")
                          .query("SELECT \"Num do erro\", \"Erro\", \"Forma\", \"Elemento\" FROM Tblerro");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].number, 13);
    EXPECT_EQ(rows[0][2].text, "FormRanvikv5");
    EXPECT_EQ(rows[0][3].text, "TimerTempo_Timer");
    EXPECT_THAT(main().LblOcorrenc.caption(), HasSubstr("Tipos incompatíveis"));
    EXPECT_FALSE(station->ws().ended());
}

TEST_F(StationTest, FaultOfTheProgramItselfIsLoggedAndShownInPortuguese) {
    start();
    main().TimerTempo.Tick = [] { throw std::logic_error("vector::_M_range_check"); };
    desktop.advance(0.8);
    const auto rows = database("bdruntime.mdb").query("SELECT \"Num do erro\", \"Erro\" FROM Tblerro");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].number, 51);
    EXPECT_EQ(rows[0][1].text, "Erro interno do programa");
    EXPECT_EQ(main().LblOcorrenc.caption(), "Erro de execução 51: Erro interno do programa");
}

} // namespace usina::test
