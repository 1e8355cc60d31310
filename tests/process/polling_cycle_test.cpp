// The polling cycle: the registers of each phase in their order, the averaging rings and the tare, the
// temperatures and their alarm, the menus by plant state, and the temperature samples of the load.

#include "setup/form_config.h"
#include "tests/process/process_fixture.h"

using ::testing::ElementsAreArray;

namespace usina::test {

namespace {

struct PlantSetup {
    const char* name;
    int modelCode;
    int saidafb;
    int saidamal;
    std::vector<std::string> cycle;
};

// Speeds 11 to 15; the commands due are 66 (asphalt), 77 (filler), 88 (malteno), 99 (fibre).
const std::vector<std::string> phases1To3 = {"R 10",   "W 1=11", "R 14", "W 5=15", "R 11",   "W 2=12",
                                             "W 6=66", "R 15",   "R 12", "W 3=13", "W 7=77", "R 16"};

std::vector<std::string> cycleOf(std::vector<std::string> phase3Extra, std::vector<std::string> phase4) {
    std::vector<std::string> all = phases1To3;
    all.insert(all.end(), phase3Extra.begin(), phase3Extra.end());
    all.insert(all.end(), phase4.begin(), phase4.end());
    return all;
}

const PlantSetup setups[] = {
    {"ThreeTemperaturesBothPumps", 50, 1, 1, cycleOf({}, {"R 13", "W 4=14", "W 8=88", "W 32=99", "R 17"})},
    {"ThreeTemperaturesFibreOnAddress8", 50, 1, 0, cycleOf({}, {"R 13", "W 4=14", "W 8=99", "R 17"})},
    {"ThreeTemperaturesMaltenoOnly", 50, 0, 1, cycleOf({}, {"R 13", "W 4=14", "W 8=88", "R 17"})},
    {"ThreeTemperaturesNoPump", 50, 0, 0, cycleOf({}, {"R 13", "W 4=14", "R 17"})},
    {"FiveTemperaturesBothPumps", 32, 1, 1,
     cycleOf({"R 19"}, {"R 13", "W 4=14", "W 8=88", "W 32=99", "R 17", "R 18"})},
    {"FiveTemperaturesNoPump", 32, 0, 0, cycleOf({"R 19"}, {"R 13", "W 4=14", "R 17", "R 18"})},
};

class RegisterOrder : public ProcessTest, public ::testing::WithParamInterface<PlantSetup> {};

} // namespace

TEST_P(RegisterOrder, OneCycleServesEachRegisterInThePhasesOrderAndPhase0RestsTheLine) {
    const PlantSetup& setup = GetParam();
    plantConfig.modelCode = static_cast<std::uint8_t>(setup.modelCode);
    sql("calranvik.mdb", "UPDATE constantes SET saidafb = " + std::to_string(setup.saidafb) +
                             ", saidamal = " + std::to_string(setup.saidamal));
    start();
    for (int i = 1; i <= 5; ++i) {
        process().SiloSpeed[i] = static_cast<std::int16_t>(10 + i);
    }
    mix().AsphaltDelay = 3.7;
    mix().FillerDelay = 0;
    mix().MaltenoDelay = 12.2;
    mix().FibreDelay = 199;
    clockState().AsphaltDelayLine[3] = 66;
    clockState().FillerDelayLine[0] = 77;
    clockState().MaltenoDelayLine[12] = 88;
    clockState().FibreDelayLine[199] = 99;
    polling().TimerXPhase = 0;
    const std::size_t before = traffic().size();
    pollCycle();
    EXPECT_THAT(trafficFrom(before), ElementsAreArray(setup.cycle));
    EXPECT_EQ(polling().TimerXPhase, 0);
}

INSTANTIATE_TEST_SUITE_P(Plants, RegisterOrder, ::testing::ValuesIn(setups), ByName());

namespace {

struct AveragingCase {
    const char* name;
    int silo;
    int count;
    int tare;
    std::vector<int> readings;
    std::vector<int> netWeights;    // after each reading
    std::vector<std::string> shown; // the constants screen's raw mean
};

const AveragingCase averagingCases[] = {
    {"CountOf1UsesEachReadingAlone", 2, 1, 10, {100, 50, 0}, {90, 40, 0}, {"100", "50", "0"}},
    {"CountOf3AveragesSlots0To2", 2, 3, 0, {30, 60, 90, 120}, {10, 30, 60, 90}, {"10", "30", "60", "90"}},
    {"MeanIsTakenToItsWholePart", 3, 3, 0, {10, 10, 11}, {3, 6, 10}, {"3", "6", "10"}},
    {"RawMeanBelowTheTareGivesNoWeight", 4, 1, 55, {40}, {0}, {"40"}},
    {"RecycledSiloFeedsItsOwnWeight", 5, 2, 5, {100, 50}, {45, 70}, {"50", "75"}},
};

class Averaging : public ProcessTest, public ::testing::WithParamInterface<AveragingCase> {};

} // namespace

TEST_P(Averaging, NetWeightIsTheRingsMeanLessTheTareAndTheScreenShowsTheRawMean) {
    const AveragingCase& c = GetParam();
    start();
    settings().SiloAverageCount[c.silo] = static_cast<std::int16_t>(c.count);
    mix().Tara[c.silo] = static_cast<std::int16_t>(c.tare);
    polling().TimerXPhase = 0;
    for (std::size_t k = 0; k < c.readings.size(); ++k) {
        plant->forceReading(static_cast<std::uint8_t>(9 + c.silo), static_cast<std::uint8_t>(c.readings[k]));
        pollCycle();
        const int weight = c.silo <= 4 ? polling().SiloWeight[c.silo] : polling().RecycledWeight;
        EXPECT_EQ(weight, c.netWeights[k]) << "after reading " << k + 1;
        EXPECT_EQ(station->form<FormConfig>().Txtccarga[c.silo].text(), c.shown[k])
            << "after reading " << k + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Rings, Averaging, ::testing::ValuesIn(averagingCases), ByName());

TEST_F(ProcessTest, TemperatureIsTheWholeMeanScaledAndWarnsOnlyAboveItsLimit) {
    start();
    settings().TempAverageCount[1] = 5;
    mix().TempGain[1] = 2;
    mix().TempOffset[1] = 10;
    mix().TempMax[1] = 180;
    polling().TimerXPhase = 0;
    // A raw mean of 95,6 is taken as 95: 95 × 2 − 10.
    for (int raw : {95, 96, 96, 95, 96}) {
        plant->forceReading(15, static_cast<std::uint8_t>(raw));
        main().LblOcorrenc.setCaption("");
        pollCycle();
    }
    EXPECT_EQ(main().GaugeTmp1.state().value(), 180);
    EXPECT_EQ(main().LblOcorrenc.caption(), "");

    mix().TempMax[1] = 179;
    pollCycle();
    EXPECT_EQ(main().LblOcorrenc.caption(), "Alta temperatura <CAP>");
}

TEST_F(ProcessTest, MenusAreAllInUseWhileStoppedAndExportUsersConstantsAndExitAreNotWhileRunning) {
    start();
    auto& w = main();
    forms::MenuItem* all[] = {&w.mnuarq,   &w.mnuconf, &w.mnuRel, &w.mnuout,
                              &w.mnusenha, &w.mnugra,  &w.mnusil, &w.mnusai};
    for (forms::MenuItem* item : all) {
        item->setEnabled(false);
    }
    polling().TimerXPhase = 1;
    pollOnce();
    for (forms::MenuItem* item : all) {
        EXPECT_TRUE(item->enabled()) << item->name();
    }

    startPlant();
    polling().TimerXPhase = 1;
    pollOnce();
    for (forms::MenuItem* item : {&w.mnusenha, &w.mnugra, &w.mnusil, &w.mnuout}) {
        EXPECT_FALSE(item->enabled()) << item->name();
    }
    for (forms::MenuItem* item : {&w.mnuarq, &w.mnuconf, &w.mnuRel, &w.mnusai}) {
        EXPECT_TRUE(item->enabled()) << item->name();
    }
}

TEST_F(ProcessTest, TemperaturesAreSampledEvery100KgOfTheLoadAndThe401stSampleStartsTheCountAgain) {
    plantConfig.modelCode = 32;
    start();
    main().GaugeTmp1.setProperty(forms::gauge_dispid::value, Value(163));
    main().GaugeTmp4.setProperty(forms::gauge_dispid::value, Value(97));
    polling().TimerXPhase = 4; // phase 0 next: no reading overwrites the gauges
    main().Txtprod_par.setText("0,25");
    pollOnce();
    EXPECT_EQ(polling().TempSampleCount, 1);
    EXPECT_EQ(polling().LastSampleKg, 250);
    EXPECT_EQ(polling().TempSamples[1][1], 163);
    EXPECT_EQ(polling().TempSamples[4][1], 97);
    main().Txtprod_par.setText("0,34");
    polling().TimerXPhase = 4;
    pollOnce();
    EXPECT_EQ(polling().TempSampleCount, 1);
    main().Txtprod_par.setText("0,35");
    polling().TimerXPhase = 4;
    pollOnce();
    EXPECT_EQ(polling().TempSampleCount, 2);

    polling().TempSampleCount = 400;
    main().Txtprod_par.setText("0,45");
    polling().TimerXPhase = 4;
    pollOnce();
    EXPECT_EQ(polling().TempSampleCount, 0);
    main().GaugeTmp1.setProperty(forms::gauge_dispid::value, Value(171));
    main().Txtprod_par.setText("0,55");
    polling().TimerXPhase = 4;
    pollOnce();
    EXPECT_EQ(polling().TempSampleCount, 1);
    EXPECT_EQ(polling().TempSamples[1][1], 171);
}

} // namespace usina::test
