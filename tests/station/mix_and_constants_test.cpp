// Loading a mix and the plant constants into the process variables and the windows that show them.

#include "setup/form_altera_rec.h"
#include "tests/station/case_names.h"
#include "tests/station/station_fixture.h"

namespace usina::test {

TEST_F(StationTest, LoadMixFillsTheVariablesTheEditorAndTheSiloCaptions) {
    start();
    main().txtumid[2].setText("3,5");
    mix().LoadMix("SMA 0/11");
    EXPECT_EQ(mix().MixRate, 120);
    EXPECT_EQ(mix().SiloPercent[1], 40);
    EXPECT_EQ(mix().AsphaltPercent, 6.5);
    EXPECT_EQ(mix().FibrePercent, 0.5);
    EXPECT_EQ(mix().SiloMoisture[2], 3.5);
    EXPECT_EQ(mix().SiloMoisture[1], 0); // a blank box counts 0
    auto& editor = station->form<FormAltera_rec>();
    EXPECT_FALSE(editor.visible());
    EXPECT_EQ(editor.alt_traco.text(), "SMA 0/11");
    EXPECT_EQ(editor.ar_cap.text(), "6,5");
    EXPECT_EQ(editor.Text1[0].text(), "40");
    EXPECT_EQ(main().lblasf.caption(), "6,5");
    EXPECT_EQ(main().lblfibra.caption(), "0,5");
}

TEST_F(StationTest, RecycledShareIsShownWithoutItsMalteno) {
    sql("datranvik.mdb", "UPDATE alt_mist SET quantdd5 = 20, malteno = 10 WHERE mistura = 'CBUQ FAIXA C'");
    start();
    EXPECT_EQ(main().Lblmis[5].caption(), "18");
    EXPECT_EQ(mix().SiloPercent[5], 20);
}

TEST_F(StationTest, MixKeyIsFoundWithoutRegardToCase) {
    start();
    mix().LoadMix("sma 0/11");
    EXPECT_EQ(mix().MixRate, 120);
    EXPECT_EQ(station->form<FormAltera_rec>().alt_traco.text(), "SMA 0/11");
}

TEST_F(StationTest, MixThatIsNotFoundIsRefusedAndTheMixInForceStays) {
    start();
    main().LblOcorrenc.setCaption("");
    mix().LoadMix("NAO EXISTE");
    EXPECT_EQ(main().LblOcorrenc.caption(), "Traço não encontrado: NAO EXISTE");
    EXPECT_EQ(mix().MixRate, 150);
    EXPECT_EQ(mix().SiloPercent[1], 32);
}

TEST_F(StationTest, MixWithAnEmptyFieldIsRefusedAndTheMixInForceStays) {
    sql("datranvik.mdb", "UPDATE alt_mist SET filler = NULL WHERE mistura = 'SMA 0/11'");
    start();
    main().LblOcorrenc.setCaption("");
    mix().LoadMix("SMA 0/11");
    EXPECT_EQ(main().LblOcorrenc.caption(), "Valor inválido no traço: SMA 0/11 (filler)");
    EXPECT_EQ(mix().MixRate, 150);
    EXPECT_EQ(main().FrmSilo1.caption(), "Brita 1");
    EXPECT_EQ(station->form<FormAltera_rec>().alt_traco.text(), "CBUQ FAIXA C");
}

TEST_F(StationTest, DelaysBeyondTheDelayLinesAreLimited) {
    sql("datranvik.mdb", "UPDATE alt_mist SET tempo_asf = 250, tempo_fill = -3, tempo_malt = 3.7 WHERE "
                         "mistura = 'CBUQ FAIXA C'");
    start();
    EXPECT_EQ(mix().AsphaltDelay, 199);
    EXPECT_EQ(mix().FillerDelay, 0);
    EXPECT_EQ(mix().MaltenoDelay, 3.7);
}

struct PeriodCase {
    const char* name;
    double tgrav;
    int period;
};

class RecordPeriods : public StationTest, public ::testing::WithParamInterface<PeriodCase> {};

TEST_P(RecordPeriods, RecordPeriodIsTgravTimesSixtyRoundedHalfToEven) {
    sql("calranvik.mdb", "UPDATE constantes SET tgrav = " + std::to_string(GetParam().tgrav));
    start();
    EXPECT_EQ(services().RecordPeriod, GetParam().period);
}

INSTANTIATE_TEST_SUITE_P(Periods, RecordPeriods,
                         ::testing::Values(PeriodCase{"TwoAndAHalfMinutes", 2.5, 150},
                                           PeriodCase{"ThreeQuartersOfAStepRoundsUp", 0.0125, 1},
                                           PeriodCase{"TwoMinutes", 2, 120},
                                           PeriodCase{"OneAndAHalfStepsRoundToEven", 0.025, 2},
                                           PeriodCase{"TwoAndAQuarterStepsRoundDown", 0.0375, 2}),
                         CaseName());

struct PumpCase {
    const char* name;
    int fibre;
    int malteno;
    const char* caption;
    int maltenoAddress;
    int fibreAddress;
};

class PumpOutputs : public StationTest, public ::testing::WithParamInterface<PumpCase> {};

TEST_P(PumpOutputs, PumpOutputsSetTheAddressesAndTheCaption) {
    const PumpCase& c = GetParam();
    sql("calranvik.mdb", "UPDATE constantes SET saidafb = " + std::to_string(c.fibre) +
                             ", saidamal = " + std::to_string(c.malteno));
    start();
    EXPECT_EQ(main().Frame5[2].caption(), c.caption);
    EXPECT_EQ(mix().MaltenoOutputAddress, c.maltenoAddress);
    EXPECT_EQ(mix().FibreOutputAddress, c.fibreAddress);
}

INSTANTIATE_TEST_SUITE_P(Outputs, PumpOutputs,
                         ::testing::Values(PumpCase{"FibreAndMalteno", 1, 1, "Malteno", 8, 32},
                                           PumpCase{"FibreOnly", 1, 0, "Cap/Rap", 0, 8},
                                           PumpCase{"MaltenoOnly", 0, 1, "Malteno", 8, 0},
                                           PumpCase{"Neither", 0, 0, "Malteno", 0, 0}),
                         CaseName());

TEST_F(StationTest, PumpOutputsThatMatchNoRowLeaveCaptionAndAddressesAsTheyWere) {
    sql("calranvik.mdb", "UPDATE constantes SET saidafb = 1, saidamal = 0");
    start();
    sql("calranvik.mdb", "UPDATE constantes SET saidafb = NULL, saidamal = 1");
    mix().LoadConstants();
    EXPECT_EQ(main().Frame5[2].caption(), "Cap/Rap");
    EXPECT_EQ(mix().FibreOutputAddress, 8);
}

TEST_F(StationTest, ConstantsFillTheCalibrationAndTheGauges) {
    start();
    EXPECT_EQ(mix().Kpes[1], 0.2);
    EXPECT_EQ(mix().Kvel[3], 0.22);
    EXPECT_EQ(mix().Tara[2], 15);
    EXPECT_EQ(mix().TempMax[2], 180);
    EXPECT_EQ(main().GaugeTmp2.property(forms::gauge_dispid::caption), Value("Massa"));
    const auto& temperature = main().GaugeTmp1.state();
    EXPECT_EQ(temperature.band(0).start, 0);
    EXPECT_EQ(temperature.band(0).end, 140);
    EXPECT_EQ(temperature.band(1).start, 140);
    EXPECT_EQ(temperature.band(1).end, 170);
    EXPECT_EQ(temperature.band(2).start, 170);
    EXPECT_EQ(temperature.band(2).end, 255);
}

TEST_F(StationTest, ConstantsWithAFieldThatIsNoNumberAreRefusedAndTheConstantsInForceStay) {
    start();
    sql("calranvik.mdb", "UPDATE constantes SET kvel2 = NULL, kpes1 = 0.9");
    main().LblOcorrenc.setCaption("");
    mix().LoadConstants();
    EXPECT_EQ(main().LblOcorrenc.caption(), "Valor inválido nas constantes: kvel2");
    EXPECT_EQ(mix().Kpes[1], 0.2);
}

TEST_F(StationTest, StoredPumpConstantsOfNoFlowAreKeptAsStoredForTheStartToRefuse) {
    sql("calranvik.mdb", "UPDATE constantes SET kfill = 0, kmalt = -2");
    start();
    EXPECT_EQ(mix().Kfill, 0);
    EXPECT_EQ(mix().Kmalt, -2);
}

} // namespace usina::test
