// The start and stop button: the login it asks for, the moistures it needs, the start, the stop, and
// the pump settings it refuses to start with.

#include "tests/operator/operator_fixture.h"

namespace usina::test {

TEST_F(OperatorTest, TheFirstPressOpensTheStartLoginAndThePressAfterItStarts) {
    start();
    fillMoistures();
    ws().click(main().CmdLiga);
    EXPECT_TRUE(window<FormLogin5>().visible());
    EXPECT_EQ(main().CmdLiga.caption(), "Iniciar Processo");
    EXPECT_FALSE(main().TimerProcesso.enabled());

    logIn(window<FormLogin5>(), "kremo", "kremo");
    EXPECT_EQ(main().CmdLiga.caption(), "Iniciar Processo");
    clearLine();
    // The rate moved away returns to the mix's rate at the start.
    ws().scrollTo(main().HScroll, 90);
    clockState().ElapsedMinutes = 7;
    clockState().ElapsedAccumulator = 12.5;
    ws().click(main().CmdLiga);

    EXPECT_EQ(main().CmdLiga.caption(), "Desligar");
    EXPECT_EQ(main().CmdLiga.backColor(), forms::colors::lightGreen);
    EXPECT_TRUE(main().TimerProcesso.enabled());
    EXPECT_EQ(main().TimerProcesso.interval(), 100);
    EXPECT_TRUE(main().TmrTempo_decor.enabled());
    EXPECT_TRUE(main().TimerTempo.enabled());
    EXPECT_EQ(process().AggregateSetpoint, 10.0);
    EXPECT_EQ(clockState().ElapsedMinutes, 0);
    EXPECT_EQ(clockState().ElapsedAccumulator, 0);
    EXPECT_EQ(main().HScroll.value(), 150);
    EXPECT_EQ(main().LblProd.caption(), "150");
    EXPECT_EQ(process().ProductionTarget, 150);
    // The rate's change brings the first record a few steps nearer than the start put it.
    EXPECT_EQ(services().RecordTick, services().RecordPeriod - 5);
    EXPECT_EQ(line(), "");
}

TEST_F(OperatorTest, AStartWithTheRateStandingAtTheMixRateRecordsAtTheFirstTick) {
    start();
    fillMoistures();
    logInToStart();
    ws().click(main().CmdLiga);
    EXPECT_EQ(services().RecordTick, services().RecordPeriod + 1);
}

TEST_F(OperatorTest, AnEmptyMoistureBoxRefusesTheStartAndTheStopAlike) {
    start();
    logInToStart();
    fillMoistures();
    main().txtumid[4].setText("");
    ws().click(main().CmdLiga);
    EXPECT_EQ(line(), "Não deixar as umidades em BRANCO");
    EXPECT_EQ(desktop.beeps(), 1);
    EXPECT_EQ(main().CmdLiga.caption(), "Iniciar Processo");

    clearLine();
    main().txtumid[4].setText("2");
    ws().click(main().CmdLiga);
    EXPECT_EQ(main().CmdLiga.caption(), "Desligar");

    main().txtumid[2].setText("");
    ws().click(main().CmdLiga);
    EXPECT_EQ(line(), "Não deixar as umidades em BRANCO");
    EXPECT_EQ(desktop.beeps(), 2);
    EXPECT_EQ(main().CmdLiga.caption(), "Desligar");

    main().txtumid[2].setText("2");
    ws().click(main().CmdLiga);
    EXPECT_EQ(main().CmdLiga.caption(), "Desligando");
}

TEST_F(OperatorTest, TheStopRampsTheMixToNothingLocksTheControlsAndLogsOut) {
    start();
    startThePlant();
    ws().click(main().CmdLiga);
    EXPECT_EQ(main().CmdLiga.caption(), "Desligando");
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(mix().SiloPercent[i], 0) << i;
        EXPECT_EQ(mix().SiloMoisture[i], 0) << i;
    }
    EXPECT_EQ(services().RecordTick, services().RecordPeriod + 1);
    EXPECT_FALSE(main().CmdLiga.enabled());
    EXPECT_FALSE(main().DBCombomist.enabled());
    for (const forms::MenuItem* menu : {&main().mnuarq, &main().mnuout, &main().mnuRel, &main().mnuconf}) {
        EXPECT_FALSE(menu->enabled()) << menu->name();
    }
    EXPECT_EQ(access().UserLevel, "0");
    EXPECT_EQ(main().CmdLiga.backColor(), forms::colors::lightGreen);
    EXPECT_TRUE(main().TimerProcesso.enabled());
}

// The start reads the plant maximum again: a mix faster than it starts at the maximum.
TEST_F(OperatorTest, TheStartHoldsTheRateAtThePlantMaximumWithAMessage) {
    start();
    fillMoistures();
    logInToStart();
    sql("calranvik.mdb", "UPDATE constantes SET prodmax = 120.4");
    ws().click(main().CmdLiga);
    EXPECT_EQ(main().CmdLiga.caption(), "Desligar");
    EXPECT_EQ(main().HScroll.value(), 120);
    EXPECT_EQ(main().LblProd.caption(), "120");
    EXPECT_EQ(line(), "A produção não deve ser maior que  120  t/h!");
}

TEST_F(OperatorTest, AnOpenLoginGateStartsWithoutALogin) {
    start();
    gate().FullAccessFlag = 1;
    fillMoistures();
    ws().click(main().CmdLiga);
    EXPECT_EQ(main().CmdLiga.caption(), "Desligar");
    EXPECT_EQ(access().UserLevel, "3");
    EXPECT_EQ(station->ws().peek<FormLogin5>(), nullptr);
}

struct PumpCase {
    const char* label;
    double kfill;
    double kmalt;
    std::int16_t maltenoAddress;
    double maltenoPercent;
    const char* refusal; // "" when the plant starts
};

class PumpSettingsAtTheStart : public OperatorTest, public ::testing::WithParamInterface<PumpCase> {};

// As the constants and the mix were loaded: the regulation would divide by these.
TEST_P(PumpSettingsAtTheStart, ThatWouldDivideByZeroOrSaturateADoserKeepThePlantStopped) {
    const PumpCase& c = GetParam();
    start();
    fillMoistures();
    logInToStart();
    mix().Kfill = c.kfill;
    mix().Kmalt = c.kmalt;
    mix().MaltenoOutputAddress = c.maltenoAddress;
    mix().MaltenoPercent = c.maltenoPercent;
    ws().click(main().CmdLiga);
    const bool refused = std::string(c.refusal) != "";
    EXPECT_EQ(line(), c.refusal);
    EXPECT_EQ(main().CmdLiga.caption(), refused ? "Iniciar Processo" : "Desligar");
    EXPECT_EQ(main().TimerProcesso.enabled(), !refused);
    EXPECT_EQ(desktop.beeps(), refused ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, PumpSettingsAtTheStart,
    ::testing::Values(PumpCase{"FillerConstantZero", 0, 10, 8, 2,
                               "Constante do filler deve ser maior que zero: corrija em Constantes."},
                      PumpCase{"FillerConstantNegative", -0.5, 10, 0, 2,
                               "Constante do filler deve ser maior que zero: corrija em Constantes."},
                      PumpCase{"MaltenoConstantZeroWithItsPump", 20, 0, 8, 2,
                               "Constante do malteno deve ser maior que zero: corrija em Constantes."},
                      PumpCase{"MaltenoConstantZeroWithoutThePump", 20, 0, 0, 2, ""},
                      PumpCase{"MaltenoShareOfAHundred", 20, 10, 0, 100,
                               "Malteno do traço deve ser menor que 100 %: corrija o traço."},
                      PumpCase{"MaltenoShareJustBelowAHundred", 20, 10, 8, 99.5, ""}),
    ByLabel());

} // namespace usina::test
