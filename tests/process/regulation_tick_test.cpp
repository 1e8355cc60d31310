// The regulation tick: the set point's steps, the silos' speed steps with the starved and limit rules,
// the pump commands and their limit, the totals across midnight, the stop's completion, and stored
// constants of no sense that must not stop it.

#include "plant/process_clock.h"
#include "tests/process/process_fixture.h"

#include <cmath>

namespace usina::test {

namespace {

// A plant reduced to round numbers: each silo's flow is weight × speed / 60 t/h, the rate and the set
// point stand at 100 t/h, so a silo's desired flow is its percentage.
class Regulation : public ProcessTest {
protected:
    void SetUp() override {
        start();
        for (int i = 1; i <= 5; ++i) {
            mix().Kpes[i] = 1;
            mix().Kvel[i] = 1;
            mix().SiloMoisture[i] = 0;
            mix().SiloPercent[i] = 0;
            setSilo(i, 0, 0);
        }
        mix().MaltenoPercent = 0;
        main().HScroll.setValue(100);
        process().AggregateSetpoint = 100;
        main().LblOcorrenc.setCaption("");
        services().CurrentOccurrence.clear();
    }

    void setSilo(int silo, int weight, int speed) {
        if (silo <= 4) {
            polling().SiloWeight[silo] = static_cast<std::int16_t>(weight);
        } else {
            polling().RecycledWeight = static_cast<std::int16_t>(weight);
        }
        process().SiloSpeed[silo] = static_cast<std::int16_t>(speed);
    }
};

struct SetpointCase {
    const char* name;
    double setpoint;
    int rate;
    int recycledWeight; // at speed 6: a recycled flow of weight / 10
    double expected;
};

const SetpointCase setpointCases[] = {
    {"JustBelowIsRaisedAndLoweredAgain", 10, 20, 99, 10.0},
    {"FarBelowTakesBothRaises", 10, 20, 0, 12.25},
    {"FarAboveTakesBothFalls", 30, 20, 0, 27.75},
    {"AtTheRateStands", 20, 20, 0, 20.0},
};

class Setpoint : public Regulation, public ::testing::WithParamInterface<SetpointCase> {};

} // namespace

TEST_P(Setpoint, TheSetPointStepsTowardTheVirginAggregateStillToBeSupplied) {
    const SetpointCase& c = GetParam();
    main().HScroll.setValue(c.rate);
    process().AggregateSetpoint = c.setpoint;
    setSilo(5, c.recycledWeight, 6);
    regulateOnce();
    EXPECT_DOUBLE_EQ(process().AggregateSetpoint, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Steps, Setpoint, ::testing::ValuesIn(setpointCases), ByName());

namespace {

struct SpeedCase {
    const char* name;
    int silo;
    int speed;
    double percent; // the desired flow; the measured one is speed / 10
    int expected;
    const char* message; // on the message line afterwards
};

const SpeedCase speedCases[] = {
    {"FarBelowGains10", 1, 239, 30, 249, ""},
    {"FarBelowFrom240OnGains1", 1, 250, 30, 251, ""},
    {"FarBelowAt254ReachesFullSpeed", 1, 254, 30, 255, ""},
    {"AtFullSpeedIsStarvedAndHolds", 1, 255, 30, 255, "FALTA DE MATERIAL NO SILO 1!"},
    {"StarvedAboveItsShareIsStillLowered", 1, 255, 10, 250, "FALTA DE MATERIAL NO SILO 1!"},
    {"FarAboveLoses5", 1, 8, 0.5, 3, ""},
    {"FarAboveBelow8Loses1", 1, 7, 0.5, 6, ""},
    {"StandingWithNoShareStays", 1, 0, 0, 0, ""},
    {"SlightlyBelowGains1", 1, 100, 10.5, 101, ""},
    {"AtItsShareLoses1", 1, 100, 10, 99, ""},
    {"RecycledSiloStarvedHasItsOwnMessage", 5, 255, 60, 255, "FALTA DE MATERIAL RECICLADO"},
};

class SpeedStep : public Regulation, public ::testing::WithParamInterface<SpeedCase> {};

} // namespace

TEST_P(SpeedStep, EachSiloStepsItsBeltTowardItsShare) {
    const SpeedCase& c = GetParam();
    mix().SiloPercent[c.silo] = c.percent;
    setSilo(c.silo, 6, c.speed);
    regulateOnce();
    EXPECT_EQ(process().SiloSpeed[c.silo], c.expected);
    EXPECT_EQ(main().LblOcorrenc.caption(), c.message);
}

INSTANTIATE_TEST_SUITE_P(Steps, SpeedStep, ::testing::ValuesIn(speedCases), ByName());

TEST_F(Regulation, AStarvedFirstSiloHoldsNoRaiseButAStarvedSecondHoldsTheRaisesAfterIt) {
    auto farBelowEverywhere = [&](int starvedSilo) {
        for (int i = 1; i <= 5; ++i) {
            mix().SiloPercent[i] = 30;
            setSilo(i, 6, i == starvedSilo ? 255 : 100);
        }
        process().LimitFlag = 0;
        regulateOnce();
    };
    farBelowEverywhere(1);
    EXPECT_EQ(process().SiloSpeed[1], 255);
    for (int i = 2; i <= 5; ++i) {
        EXPECT_EQ(process().SiloSpeed[i], 110) << "silo " << i;
    }
    EXPECT_EQ(process().LimitFlag, 0);

    farBelowEverywhere(2);
    EXPECT_EQ(process().SiloSpeed[1], 110);
    for (int i = 3; i <= 5; ++i) {
        EXPECT_EQ(process().SiloSpeed[i], 100) << "silo " << i;
    }
    EXPECT_EQ(process().LimitFlag, 1);

    // Held until a silo passes its lower test: silo 3 above its share frees silos 4 and 5.
    mix().SiloPercent[3] = 1;
    setSilo(3, 6, 100);
    setSilo(4, 6, 100);
    setSilo(5, 6, 100);
    setSilo(2, 6, 100);
    regulateOnce();
    EXPECT_EQ(process().SiloSpeed[2], 100);
    EXPECT_EQ(process().SiloSpeed[3], 95);
    EXPECT_EQ(process().SiloSpeed[4], 110);
    EXPECT_EQ(process().SiloSpeed[5], 110);
}

namespace {

struct PumpCase {
    const char* name;
    int weight; // silo 1, the only aggregate share: the asphalt flow is weight × speed / 60
    int speed;
    double kasf;
    int command;
    bool limit;
};

const PumpCase pumpCases[] = {
    {"Exactly254IsSentAsItIs", 60, 254, 255, 254, false},
    {"Above254IsTheLimit", 62, 246, 255, 255, true},
    {"AHalfGoesToTheEvenCommandUp", 78, 195, 255, 254, false},
    {"AHalfGoesToTheEvenCommandDown", 75, 202, 255, 252, false},
    {"NoPumpConstantSendsNothing", 60, 254, 0, 0, false},
};

class PumpCommand : public Regulation, public ::testing::WithParamInterface<PumpCase> {};

} // namespace

TEST_P(PumpCommand, TheAsphaltCommandGoesToTheHeadOfItsDelayLine) {
    const PumpCase& c = GetParam();
    mix().SiloPercent[1] = 100;
    mix().AsphaltPercent = 100;
    mix().Kasf = c.kasf;
    setSilo(1, c.weight, c.speed);
    process().LimitFlag = 0;
    regulateOnce();
    EXPECT_EQ(clockState().AsphaltDelayLine[0], c.command);
    EXPECT_EQ(process().LimitFlag, c.limit ? 1 : 0);
    EXPECT_EQ(main().LblOcorrenc.caption(), c.limit ? "Vazão da Bomba de Asfalto no LIMITE " : "");
}

INSTANTIATE_TEST_SUITE_P(Commands, PumpCommand, ::testing::ValuesIn(pumpCases), ByName());

TEST_F(Regulation, WithoutAMaltenoPumpTheMaltenoGoesThroughTheAsphaltPumpAndCountsInBothTotals) {
    mix().MaltenoOutputAddress = 0;
    mix().MaltenoPercent = 10;
    mix().Kasf = 20;
    clockState().MaltenoDelayLine[0] = 33;
    setSilo(5, 108, 10); // 18 t/h recycled
    clock.set(Date{2026, 12, 10}, 36000.0);
    regulateOnce();
    const double asphaltBefore = process().AsphaltPartial;
    const double maltenoBefore = process().MaltenoPartial;
    setSilo(5, 108, 10);
    clock.set(Date{2026, 12, 10}, 36001.0);
    regulateOnce();
    EXPECT_DOUBLE_EQ(process().MaltenoFlow, 2.0);
    EXPECT_DOUBLE_EQ(process().AsphaltFlow, 2.0);
    EXPECT_EQ(clockState().AsphaltDelayLine[0], 26); // 2 × 255 / 20 = 25,5: to the even 26
    EXPECT_EQ(clockState().MaltenoDelayLine[0], 33);
    EXPECT_DOUBLE_EQ(process().AsphaltPartial - asphaltBefore, 2.0 / 3600);
    EXPECT_DOUBLE_EQ(process().MaltenoPartial - maltenoBefore, 2.0 / 3600);
}

TEST_F(Regulation, ATickThatSpansMidnightAddsNothingForThatIntervalAndTotalsGoOnFromTheNext) {
    mix().SiloPercent[1] = 100;
    setSilo(1, 60, 120); // 120 t/h
    clock.set(Date{2026, 12, 10}, 86399.0);
    regulateOnce();
    clock.set(Date{2026, 12, 10}, 86399.9);
    setSilo(1, 60, 120);
    regulateOnce();
    const double grandBefore = process().SiloGrandTotal[1];
    EXPECT_GT(grandBefore, 0);

    clock.set(Date{2026, 12, 11}, 0.1);
    setSilo(1, 60, 120);
    regulateOnce();
    EXPECT_DOUBLE_EQ(process().SiloGrandTotal[1], grandBefore);
    EXPECT_EQ(process().SiloTotalizerStamp[1], processClock(clock));

    clock.set(Date{2026, 12, 11}, 0.6);
    setSilo(1, 60, 120);
    regulateOnce();
    const double tick = processClock(clock) - static_cast<double>(static_cast<float>(0.1));
    EXPECT_DOUBLE_EQ(process().SiloGrandTotal[1], grandBefore + 120 * tick / 3600);
    EXPECT_DOUBLE_EQ(process().SiloPartial[1], 120 * tick / 3600);
}

TEST_F(ProcessTest, TheStopRampsEveryOutputDownThenEndsTheRunWithARecord) {
    startRunnablePlant();
    run(30);
    ASSERT_GT(plant->written(1), 0);
    ASSERT_GT(plant->written(6), 0);
    stopPlant();
    EXPECT_FALSE(main().CmdLiga.enabled());
    ASSERT_TRUE(desktop.runUntil([&] { return main().CmdLiga.caption() == "Iniciar Processo"; }, 120));
    const auto rowsAtTheEnd = tabela("vel_s1").size();
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(process().SiloSpeed[i], 0) << "silo " << i;
    }
    EXPECT_TRUE(main().CmdLiga.enabled());
    EXPECT_TRUE(main().DBCombomist.enabled());
    EXPECT_FALSE(main().TimerProcesso.enabled());
    EXPECT_FALSE(main().TmrTempo_decor.enabled());
    const auto rows = tabela("vel_s1, vel_s2, vel_s3, vel_s4, vel_s5, Ocorrencias");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(rows.back()[static_cast<std::size_t>(i)].number, 0);
    }
    run(15);
    for (int address = 1; address <= 8; ++address) {
        EXPECT_EQ(plant->written(static_cast<std::uint8_t>(address)), 0) << "register " << address;
    }
    EXPECT_EQ(tabela("fase").size(), rowsAtTheEnd);
}

namespace {

struct SlowLine {
    const char* name;
    // The additive whose delay is the longest: its commands are the last to reach their pump.
    const char* delayField;
};

const SlowLine slowLines[] = {
    {"Asphalt", "tempo_asf"},
    {"Filler", "tempo_fill"},
    {"Malteno", "tempo_malt"},
    {"Fibre", "tempo_fibra"},
};

class StopAwaitsTheDelayLines : public ProcessTest, public ::testing::WithParamInterface<SlowLine> {
protected:
    // The element each line sends now, in the order asphalt, filler, malteno, fibre.
    std::vector<int> sentCommands() {
        const ClockState& c = clockState();
        return {c.AsphaltDelayLine[delayPlace(mix().AsphaltDelay)],
                c.FillerDelayLine[delayPlace(mix().FillerDelay)],
                c.MaltenoDelayLine[delayPlace(mix().MaltenoDelay)],
                c.FibreDelayLine[delayPlace(mix().FibreDelay)]};
    }
};

} // namespace

// Every pump runs, one of them 15 s behind its belt: the belts stand after a few seconds, but the stop
// ends only once that pump too is sent 0.
TEST_P(StopAwaitsTheDelayLines, TheStopEndsOnlyOnceEveryLineSendsZero) {
    sql("calranvik.mdb", "UPDATE constantes SET saidafb = 1, saidamal = 1, kfibra = 10, kmalt = 20");
    sql("datranvik.mdb",
        std::string("UPDATE alt_mist SET quantdd4 = 10, fibra = 2, malteno = 2, tempo_asf = 1, "
                    "tempo_fill = 1, tempo_malt = 1, tempo_fibra = 1, ") +
            GetParam().delayField + " = 15");
    startRunnablePlant();
    run(30);
    for (int command : sentCommands()) {
        ASSERT_GT(command, 0);
    }

    stopPlant();
    ASSERT_TRUE(desktop.runUntil([&] { return main().CmdLiga.caption() != "Desligando"; }, 120));

    EXPECT_EQ(main().CmdLiga.caption(), "Iniciar Processo");
    EXPECT_THAT(sentCommands(), ::testing::Each(0));
    EXPECT_FALSE(main().TimerProcesso.enabled());
    EXPECT_FALSE(main().TmrTempo_decor.enabled());
}

INSTANTIATE_TEST_SUITE_P(Lines, StopAwaitsTheDelayLines, ::testing::ValuesIn(slowLines), ByName());

namespace {

struct SenselessConstants {
    const char* name;
    const char* constants; // SET clause of constantes, or ""
    const char* mix;       // SET clause of alt_mist, or ""
};

const SenselessConstants senseless[] = {
    {"FillerPumpOfNoFlow", "kfill = 0", ""},
    {"FillerPumpOfNegativeFlow", "kfill = -1", ""},
    {"MaltenoPumpOfNoFlow", "kmalt = 0, saidamal = 1", ""},
    {"AllMalteno", "", "malteno = 100"},
    {"MoreThanAllMalteno", "", "malteno = 150"},
    {"OverflowingScales", "kpes1 = 1e300, kvel1 = 1e300, kpes5 = 1e300, kvel5 = 1e300", ""},
    {"ShareAbove100", "", "quantdd1 = 200"},
};

class Senseless : public ProcessTest, public ::testing::WithParamInterface<SenselessConstants> {};

bool finite(double x) {
    return std::isfinite(x);
}

} // namespace

TEST_P(Senseless, StoredValuesOfNoSenseNeverStopTheRegulationNorReachTheControllerAsGarbage) {
    const SenselessConstants& c = GetParam();
    if (*c.constants != '\0') {
        sql("calranvik.mdb", std::string("UPDATE constantes SET ") + c.constants);
    }
    if (*c.mix != '\0') {
        sql("datranvik.mdb", std::string("UPDATE alt_mist SET ") + c.mix);
    }
    start();
    fillMoistures(*station, {3, 3, 3, 3, 150});
    startPlant();
    run(20);
    const ProcessAndTotals& p = process();
    for (int i = 1; i <= 5; ++i) {
        EXPECT_GE(p.SiloSpeed[i], 0);
        EXPECT_LE(p.SiloSpeed[i], 255);
        EXPECT_TRUE(finite(p.SiloPartial[i]) && finite(p.SiloTotal[i]));
    }
    for (double v :
         {p.AggregateSetpoint, p.AggregateFlow, p.FillerFlow, p.AsphaltFlow, p.MaltenoFlow, p.FibreFlow,
          p.RecycledFlow, p.RecycledStreamFlow, p.PartialProduction, p.DailyProduction, p.TotalProduction}) {
        EXPECT_TRUE(finite(v)) << v;
    }
    EXPECT_EQ(database("bdruntime.mdb").scalar("SELECT COUNT(*) FROM Tblerro").number, 0);
    EXPECT_GT(tabela("fase").size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Constants, Senseless, ::testing::ValuesIn(senseless), ByName());

} // namespace usina::test
