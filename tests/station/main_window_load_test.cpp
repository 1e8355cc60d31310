// The main window's load: language, totals, first mix, rate, constants, controller model and title.

#include "setup/form_altera_rec.h"
#include "setup/form_config.h"
#include "tests/station/case_names.h"
#include "tests/station/station_fixture.h"

using ::testing::ElementsAre;

namespace usina::test {

TEST_F(StationTest, FirstStartOfANewDayResetsTheDayTotalAndStoresTodayAtOnce) {
    sql("datranvik.mdb", "UPDATE totalizador SET par_diaria = 37.5, total = 1234.56, datatot = '2026-12-09'");
    start();
    EXPECT_EQ(process().DailyBase, 0);
    EXPECT_EQ(process().DailyProduction, 0);
    EXPECT_EQ(process().TotalBase, 1234.56);
    EXPECT_EQ(main().Txtprod_par_diaria.text(), "0,00");
    EXPECT_EQ(main().Txtprod_tot.text(), "1234,56");
    EXPECT_EQ(main().Txtprod_par.text(), "0");
    const auto row = database("datranvik.mdb").query("SELECT par_diaria, datatot FROM totalizador");
    ASSERT_EQ(row.size(), 1u);
    EXPECT_EQ(row[0][0].number, 0);
    EXPECT_EQ(row[0][1].text, "2026-12-10");
}

TEST_F(StationTest, SecondStartTheSameDayShowsTheStoredDayTotal) {
    sql("datranvik.mdb", "UPDATE totalizador SET par_diaria = 37.5, total = 1234.56, datatot = '2026-12-10'");
    start();
    EXPECT_EQ(process().DailyBase, 37.5);
    EXPECT_EQ(main().Txtprod_par_diaria.text(), "37,50");
}

TEST_F(StationTest, LoadTranslatesCaptionsAndMenusAndTakesTheFirstMixInKeyOrder) {
    sql("calranvik.mdb", "UPDATE constantes SET idioma = 'ingles'");
    start();
    EXPECT_EQ(main().mnuarq.caption(), "&File");
    EXPECT_EQ(main().Frame2.caption(), "Temperatures");
    EXPECT_EQ(main().DBCombomist.text(), "CBUQ FAIXA C");
    EXPECT_EQ(mainState().CurrentMix, "CBUQ FAIXA C");
    EXPECT_EQ(mix().MixRate, 150);
    EXPECT_EQ(access().UserLevel, "0");
    EXPECT_EQ(main().FrmSilo1.caption(), "Brita 1");
    EXPECT_EQ(main().LblDia.caption(), "10/12/26");
}

TEST_F(StationTest, RateStartsAtTheMixRateWithinTheMaximum) {
    start();
    EXPECT_EQ(main().HScroll.max(), 200);
    EXPECT_EQ(main().Lblmax.caption(), "200");
    EXPECT_EQ(main().HScroll.value(), 150);
    EXPECT_EQ(main().LblProd.caption(), "150");
    EXPECT_EQ(process().ProductionTarget, 150);
}

TEST_F(StationTest, FirstMixAboveTheMaximumIsHeldAtTheMaximumWithAMessage) {
    sql("datranvik.mdb", "UPDATE alt_mist SET producao_o = 250 WHERE mistura = 'CBUQ FAIXA C'");
    start();
    EXPECT_EQ(main().LblOcorrenc.caption(), "A produção escolhida excede a capacidade da usina.");
    EXPECT_EQ(mix().MixRate, 200);
    EXPECT_EQ(main().HScroll.value(), 200);
    EXPECT_EQ(main().LblProd.caption(), "200");
}

TEST_F(StationTest, RateBelow20IsRaisedTo20) {
    sql("datranvik.mdb", "UPDATE alt_mist SET producao_o = 5 WHERE mistura = 'CBUQ FAIXA C'");
    start();
    EXPECT_EQ(main().HScroll.value(), 20);
    EXPECT_EQ(main().LblProd.caption(), "20");
    EXPECT_EQ(process().ProductionTarget, 20);
}

TEST_F(StationTest, GaugeBandsGoIntoTheConstantsScreenWhichStaysLoadedHidden) {
    sql("calranvik.mdb", "UPDATE gauges SET \"escala 3\" = 62.6, \"fim verm 3\" = 62.6");
    start();
    auto* config = station->ws().peek<FormConfig>();
    ASSERT_NE(config, nullptr);
    EXPECT_FALSE(config->visible());
    EXPECT_EQ(config->Txtescala[3].text(), "63");
    EXPECT_EQ(config->TxtFimVerm[3].text(), "63");
    EXPECT_EQ(main().Gauge[3].state().fullScale(), 62.6);
}

TEST_F(StationTest, ModelCodeIsReadThreeTimesBeforeThePollingBegins) {
    plantConfig.modelCode = 32;
    start();
    const std::vector<std::string> all = traffic();
    std::vector<std::string> first(all.begin(), all.begin() + 3);
    EXPECT_THAT(first, ElementsAre("R 0", "R 0", "R 0"));
    EXPECT_TRUE(main().TimerX.enabled());
    EXPECT_EQ(main().TimerX.interval(), 100);
}

struct ModelCase {
    const char* name;
    int code;
    const char* titlePrefix; // nullptr: the design title
    bool fiveTemperatures;
};

class ModelCodes : public StationTest, public ::testing::WithParamInterface<ModelCase> {};

TEST_P(ModelCodes, TitleAndTemperatureGaugesFollowTheModelCode) {
    const ModelCase& c = GetParam();
    plantConfig.modelCode = static_cast<std::uint8_t>(c.code);
    start();
    const std::string designTitle = "Usina de Asfalto";
    EXPECT_EQ(main().caption(),
              c.titlePrefix ? std::string(c.titlePrefix) + "5.1.0-" + designTitle : designTitle);
    EXPECT_EQ(controller().ControllerModelCode, c.code);
    EXPECT_EQ(controller().HasFiveTemperatures, c.fiveTemperatures);
    EXPECT_EQ(main().GaugeTmp4.state().isGreyed(), !c.fiveTemperatures);
    EXPECT_EQ(main().GaugeTmp5.state().isGreyed(), !c.fiveTemperatures);
    EXPECT_FALSE(main().GaugeTmp3.state().isGreyed());
    if (!c.fiveTemperatures) {
        EXPECT_EQ(main().GaugeTmp4.state().band(0).color, forms::colors::lightGrey);
        EXPECT_EQ(main().GaugeTmp4.state().band(1).color, forms::colors::darkGrey);
        EXPECT_EQ(main().GaugeTmp5.state().band(2).color, forms::colors::white);
        EXPECT_EQ(main().GaugeTmp5.state().needleColor(), forms::colors::darkGrey);
    }
}

INSTANTIATE_TEST_SUITE_P(Codes, ModelCodes,
                         ::testing::Values(ModelCase{"Pellumv32", 32, "Pellumv", true},
                                           ModelCase{"Ostrelv31", 31, "Ostrelv", false},
                                           ModelCase{"Ranvikv50", 50, "Ranvikv", false},
                                           ModelCase{"Unknown37", 37, nullptr, false}),
                         CaseName());

TEST_F(StationTest, SilentControllerGivesThreeTimeOutsTheDesignTitleAndGreyedGauges) {
    const double before = clock.monotonicSeconds();
    start(plantsim::AnswerFaults{true, false, 0});
    EXPECT_EQ(main().caption(), "Usina de Asfalto");
    EXPECT_EQ(controller().ControllerModelCode, 0);
    EXPECT_TRUE(main().GaugeTmp4.state().isGreyed());
    EXPECT_EQ(main().LblOcorrenc.caption(), "Falha de Comunicação");
    const std::vector<std::string> all = traffic();
    EXPECT_THAT(std::vector<std::string>(all.begin(), all.begin() + 3), ElementsAre("R 0", "R 0", "R 0"));
    // The model code decides what the station is: each read waits its whole time-out, silent line or not.
    EXPECT_GT(clock.monotonicSeconds() - before, 0.6);
    EXPECT_LT(clock.monotonicSeconds() - before, 0.65);
}

TEST_F(StationTest, PumpOutputsNameTheAdditiveFrameAndTheMixEditorsLabel) {
    sql("calranvik.mdb", "UPDATE constantes SET saidafb = 1, saidamal = 0");
    start();
    EXPECT_EQ(main().Frame5[2].caption(), "Cap/Rap");
    EXPECT_EQ(station->form<FormAltera_rec>().Label3[5].caption(), "Cap/Rap");
    EXPECT_EQ(mix().MaltenoOutputAddress, 0);
    EXPECT_EQ(mix().FibreOutputAddress, 8);
}

TEST_F(StationTest, UnloadWhileRunningOrStoppingIsRefusedWithAMessageAndABeep) {
    for (const char* state : {"Desligar", "Desligando"}) {
        SCOPED_TRACE(state);
        if (!station) {
            start();
        }
        main().CmdLiga.setCaption(state);
        main().LblOcorrenc.setCaption("");
        const int beeps = desktop.beeps();
        const std::size_t frames = link->frames().size();
        station->ws().closeByPerson(main());
        EXPECT_FALSE(station->ws().ended());
        EXPECT_TRUE(main().visible());
        EXPECT_EQ(main().LblOcorrenc.caption(), "Desligar primeiro a Usina...");
        EXPECT_EQ(desktop.beeps(), beeps + 1);
        EXPECT_EQ(link->frames().size(), frames);
        EXPECT_TRUE(db().MixRecordset.isOpen());
    }
}

TEST_F(StationTest, UnloadWritesZeroToRegistersOneToEightAndEndsTheProgram) {
    start();
    plant->write(3, 120);
    const std::size_t before = link->frames().size();
    station->ws().closeByPerson(main());
    EXPECT_TRUE(station->ws().ended());
    EXPECT_TRUE(desktop.quitRequested());
    const std::vector<std::string> all = traffic();
    std::vector<std::string> after(all.begin() + static_cast<long>(before), all.end());
    EXPECT_THAT(after, ElementsAre("W 1=0", "W 2=0", "W 3=0", "W 4=0", "W 5=0", "W 6=0", "W 7=0", "W 8=0"));
    EXPECT_EQ(plant->written(3), 0);
    EXPECT_FALSE(link->isOpen());
    EXPECT_FALSE(db().MixRecordset.isOpen());
    EXPECT_FALSE(main().TimerX.enabled());
}

// The texts' file failing after the load must not keep the window open: the process timers tell
// whether the plant is stopped.
TEST_F(StationTest, CloseEndsTheProgramAlsoWhenTheTextsCanNoLongerBeRead) {
    start();
    db().LanguageRecordset.close();
    const std::size_t before = link->frames().size();
    station->ws().closeByPerson(main());
    EXPECT_TRUE(station->ws().ended());
    EXPECT_EQ(station->exitStatus(), 0);
    EXPECT_EQ(link->frames().size(), before + 8);
    EXPECT_EQ(traffic().back(), "W 8=0");
    EXPECT_FALSE(db().MixRecordset.isOpen());
}

TEST_F(StationTest, CloseWhileTheProcessRunsIsRefusedAlsoWhenTheTextsCanNoLongerBeRead) {
    start();
    main().TimerProcesso.setEnabled(true);
    db().LanguageRecordset.close();
    const std::size_t before = link->frames().size();
    station->ws().closeByPerson(main());
    EXPECT_FALSE(station->ws().ended());
    EXPECT_TRUE(main().visible());
    EXPECT_EQ(link->frames().size(), before);
    EXPECT_TRUE(db().MixRecordset.isOpen());
}

TEST_F(StationTest, LanguageIsFoundWhateverTheCaseOfItsName) {
    sql("calranvik.mdb", "UPDATE constantes SET idioma = 'INGLES'");
    start();
    EXPECT_EQ(services().LanguageColumn, "ingles");
    EXPECT_EQ(main().Frame2.caption(), "Temperatures");
    EXPECT_EQ(main().LblOcorrenc.caption(), "");
}

} // namespace usina::test
