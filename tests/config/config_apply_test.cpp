// Applying the constants: the stops and their order, the model code of a plant with both extra pumps,
// the pump constants' minimum, the averaging counts, boxes that hold no number, and what a complete
// apply stores and shows.

#include "tests/config/config_fixture.h"

#include <functional>

namespace usina::test {

namespace {

// The register reads the controller received from `from` on.
std::vector<std::string> readsSince(const std::vector<std::string>& traffic, std::size_t from) {
    std::vector<std::string> reads;
    for (std::size_t i = from; i < traffic.size(); ++i) {
        if (traffic[i].starts_with("R ")) {
            reads.push_back(traffic[i]);
        }
    }
    return reads;
}

} // namespace

TEST_F(ConfigTest, ApplyStoresTheBoxesRebandsTheGaugesSetsTheRateMaximumAndCloses) {
    start();
    FormConfig& c = openConfig();
    c.Txtpes[2].setText("1,5");
    c.Txtvel[3].setText("0,3");
    c.Txttara[4].setText("-7");
    c.TextT0[1].setText("-2,5");
    c.TextTk[2].setText("1,1");
    c.TextMinTemp[3].setText("100");
    c.TextMaxTemp[3].setText("200");
    c.txt_tn[5].setText("Exaustor");
    // Below the stored mix's 150 t/h: the mixes are not compared here.
    c.Txttonhmax.setText("120");
    c.Txttempo.setText("3");
    c.Txtfibra.setText("2,5");
    c.Chkmal.setValue(0);
    const char* band[] = {"80", "0", "50", "50", "65", "65", "80"};
    forms::TextBox* boxes[] = {&c.Txtescala[2],  &c.TxtInicVerd[2], &c.TxtFimVerd[2], &c.TxtInicAmar[2],
                               &c.TxtFimAmar[2], &c.TxtInicVerm[2], &c.TxtFimVerm[2]};
    for (int k = 0; k < 7; ++k) {
        boxes[k]->setText(band[k]);
    }
    c.TxtMed[0].setText("3");
    c.TxtMed[4].setText(" 5");
    const std::size_t trafficBefore = traffic().size();

    apply();

    EXPECT_EQ(line(), "Dados alterados!");
    EXPECT_EQ(loadedConfig(), nullptr);
    EXPECT_EQ(access().UserLevel, "0");
    EXPECT_EQ(station->ws().focused(), &main().DBCombomist);
    EXPECT_TRUE(readsSince(traffic(), trafficBefore).empty());

    EXPECT_EQ(storedNumber("kpes2"), 1.5);
    EXPECT_EQ(storedNumber("kvel3"), 0.3);
    EXPECT_EQ(storedNumber("tara4"), -7);
    EXPECT_EQ(storedNumber("0t1"), -2.5);
    EXPECT_EQ(storedNumber("kt2"), 1.1);
    EXPECT_EQ(storedNumber("mint3"), 100);
    EXPECT_EQ(storedNumber("maxt3"), 200);
    EXPECT_EQ(storedNumber("prodmax"), 120);
    EXPECT_EQ(storedNumber("tgrav"), 3);
    EXPECT_EQ(storedNumber("kfibra"), 2.5);
    EXPECT_EQ(storedNumber("saidamal"), 0);
    EXPECT_EQ(database("calranvik.mdb").scalar("SELECT nomet5 FROM constantes").text, "Exaustor");
    EXPECT_EQ(database("calranvik.mdb").scalar("SELECT \"fim amar 2\" FROM gauges").number, 65);
    EXPECT_EQ(database("calranvik.mdb").scalar("SELECT \"escala 2\" FROM gauges").number, 80);

    EXPECT_EQ(settings().SiloAverageCount[1], 3);
    EXPECT_EQ(settings().SiloAverageCount[5], 5);
    EXPECT_EQ(settings().SiloAverageCount[2], 1);
    EXPECT_EQ(settings().ReadIniValue(settings().SettingsFileName(), "Configuracoes", "MediaSilo5", ""), "5");

    const forms::NeedleGaugeState& belt = main().Gauge[2].state();
    EXPECT_EQ(belt.fullScale(), 80);
    EXPECT_EQ(belt.band(0).start, 65);
    EXPECT_EQ(belt.band(0).end, 80);
    EXPECT_EQ(belt.band(1).start, 50);
    EXPECT_EQ(belt.band(1).end, 65);
    EXPECT_EQ(belt.band(2).start, 0);
    EXPECT_EQ(belt.band(2).end, 50);
    const forms::NeedleGaugeState& temperature = main().GaugeTmp(3).state();
    EXPECT_EQ(temperature.band(2).start, 200);
    EXPECT_EQ(temperature.band(2).end, 255);
    EXPECT_EQ(temperature.band(0).start, 0);
    EXPECT_EQ(temperature.band(0).end, 100);
    EXPECT_EQ(temperature.band(1).start, 100);
    EXPECT_EQ(temperature.band(1).end, 200);

    EXPECT_EQ(main().Lblmax.caption(), "120");
    EXPECT_EQ(main().HScroll.max(), 120);
    EXPECT_LE(main().HScroll.value(), 120);

    // The next load shows what is now stored.
    EXPECT_EQ(config().Txtpes[2].text(), "1,50");
    EXPECT_EQ(config().Txttara[4].text(), "-7");
}

struct StopCase {
    const char* name;
    std::function<void(FormConfig&)> prepare;
    const char* lineShows;
    const char* messageBox; // nullptr: none
    const char* asphaltConstantAfter = nullptr;
};

class ApplyStops : public ConfigTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(ApplyStops, AtTheFirstFailingStepWithNothingStored) {
    plantConfig.modelCode = 50;
    start();
    FormConfig& c = openConfig();
    GetParam().prepare(c);
    const std::string before = stored();
    desktop.answerMessageBox(forms::msgbox::ok);

    apply();

    EXPECT_EQ(line(), GetParam().lineShows);
    if (GetParam().messageBox != nullptr) {
        ASSERT_EQ(desktop.messageBoxes().size(), 1u);
        EXPECT_EQ(desktop.messageBoxes()[0].prompt, GetParam().messageBox);
        EXPECT_EQ(desktop.messageBoxes()[0].style, forms::msgbox::information);
        EXPECT_EQ(desktop.messageBoxes()[0].title, "Ranvikv5011");
    } else {
        EXPECT_TRUE(desktop.messageBoxes().empty());
    }
    if (GetParam().asphaltConstantAfter != nullptr) {
        EXPECT_EQ(config().Textasf.text(), GetParam().asphaltConstantAfter);
    }
    EXPECT_EQ(stored(), before);
    ASSERT_NE(loadedConfig(), nullptr);
    EXPECT_TRUE(config().visible());
    EXPECT_EQ(main().Gauge[1].state().fullScale(), 60);
    EXPECT_EQ(main().HScroll.max(), 200);
}

constexpr const char* blankField = "Não deixe nenhum campo em branco!";
constexpr const char* notANumber = "Você deve informar um número válido para o valor da média";
constexpr const char* outOfRange = "Você deve informar um valor de média que esteja entre 1 e 9";

void bothPumps(FormConfig& c) {
    c.Chkmal.setValue(1);
    c.Chkfibra.setValue(1);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ApplyStops,
    ::testing::Values(
        StopCase{"EmptyPumpConstantComesFirst",
                 [](FormConfig& c) {
                     c.Textfil.setText("");
                     c.TxtMed[0].setText("0");
                     bothPumps(c);
                 },
                 blankField, nullptr},
        StopCase{"EmptyLimit", [](FormConfig& c) { c.TextMinTemp[3].setText(""); }, blankField, nullptr},
        StopCase{"EmptyLiveReading", [](FormConfig& c) { c.Txtccarga[5].setText(""); }, blankField, nullptr},
        StopCase{"EmptyRateBeforeTheController",
                 [](FormConfig& c) {
                     c.Txttonhmax.setText("");
                     bothPumps(c);
                 },
                 blankField, nullptr},
        StopCase{"ControllerBeforeThePumpMinimum",
                 [](FormConfig& c) {
                     bothPumps(c);
                     c.Textasf.setText("0,05");
                 },
                 "Erro...Precisa Ostrel/Pellum de 10 saídas", nullptr, "0,05"},
        StopCase{"PumpMinimumCorrectsAndTheCountsStillStop",
                 [](FormConfig& c) {
                     c.Textasf.setText("0,05");
                     c.TxtMed[2].setText("0");
                 },
                 "Constante do Alfalto muito Baixa", outOfRange, "0,1"},
        StopCase{"CountsBeforeTheOtherBoxes",
                 [](FormConfig& c) {
                     c.TxtMed[0].setText("");
                     c.Txtescala[1].setText(",");
                 },
                 "", notANumber},
        StopCase{"BlankCountIsNoNumber", [](FormConfig& c) { c.TxtMed[2].setText(" "); }, "", notANumber},
        StopCase{"CountRoundsToTen", [](FormConfig& c) { c.TxtMed[1].setText("9,5"); }, "", outOfRange}),
    ByName());

TEST_F(ConfigTest, FailingThirdCountStoresNothingOfTheValidOnesAndTakesTheFocus) {
    start();
    FormConfig& c = openConfig();
    c.TxtMed[0].setText("5");
    c.TxtMed[1].setText("6");
    c.TxtMed[2].setText("0");
    const std::string before = stored();
    apply();
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(settings().SiloAverageCount[1], 1);
    EXPECT_EQ(station->ws().focused(), &config().TxtMed[2]);
    EXPECT_EQ(config().TxtMed[2].selLength(), 1);
}

struct ModelAnswers {
    const char* name;
    std::uint8_t first;
    std::uint8_t second;
    bool accepted;
};

class BothPumpsModelCode : public ConfigTest, public ::testing::WithParamInterface<ModelAnswers> {};

TEST_P(BothPumpsModelCode, IsReadTwiceAndAcceptsThirtySevenFirstOrThirtyEightSecond) {
    start();
    FormConfig& c = openConfig();
    bothPumps(c);
    const std::string before = stored();
    const std::size_t trafficBefore = traffic().size();
    modelCodes->answerInTurn({GetParam().first, GetParam().second});

    apply();

    EXPECT_THAT(readsSince(traffic(), trafficBefore), ::testing::ElementsAre("R 0", "R 0"));
    if (GetParam().accepted) {
        EXPECT_EQ(line(), "Dados alterados!");
        EXPECT_EQ(storedNumber("saidafb"), 1);
        EXPECT_EQ(storedNumber("saidamal"), 1);
    } else {
        EXPECT_EQ(line(), "Erro...Precisa Ostrel/Pellum de 10 saídas");
        EXPECT_EQ(stored(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, BothPumpsModelCode,
    ::testing::Values(ModelAnswers{"FirstAnswers37", 37, 50, true},
                      ModelAnswers{"SecondAnswers38", 31, 38, true}, ModelAnswers{"BothRight", 37, 38, true},
                      ModelAnswers{"Swapped", 38, 37, false}, ModelAnswers{"Pellum", 32, 32, false},
                      ModelAnswers{"Ostrel", 31, 31, false}, ModelAnswers{"Ranvik", 50, 50, false}),
    ByName());

TEST_F(ConfigTest, SilentControllerWithBothPumpsShowsTheTimeOutAndStoresNothing) {
    start();
    FormConfig& c = openConfig();
    bothPumps(c);
    const std::string before = stored();
    link->setFaults(plantsim::AnswerFaults{true, false, 0});
    apply();
    EXPECT_EQ(line(), "Falha de Comunicação");
    EXPECT_EQ(stored(), before);
    EXPECT_TRUE(config().visible());
}

// The polling has found the line silent and gives up its reads; the model code is read in full.
TEST_F(ConfigTest, ModelReadsWaitForTheControllerThatAnswersAgainAfterASilentSpell) {
    start();
    FormConfig& c = openConfig();
    bothPumps(c);
    link->setFaults(plantsim::AnswerFaults{true, false, 0});
    for (int tick = 0; tick < 5; ++tick) {
        main().TimerX_Timer();
    }
    link->setFaults({});
    clearLine();
    modelCodes->answerInTurn({37, 50});
    apply();
    EXPECT_EQ(line(), "Dados alterados!");
    EXPECT_EQ(storedNumber("saidafb"), 1);
    EXPECT_EQ(storedNumber("saidamal"), 1);
}

TEST_F(ConfigTest, PumpConstantsBelowTheMinimumAreRaisedAndStoredWithTheFirstMessageOnly) {
    start();
    FormConfig& c = openConfig();
    c.Textasf.setText("0,05");
    c.Textfil.setText("0,02");
    apply();
    EXPECT_EQ(line(), "Constante do Alfalto muito Baixa");
    EXPECT_EQ(storedNumber("kasf"), 0.1);
    EXPECT_EQ(storedNumber("kfill"), 0.1);
    EXPECT_EQ(loadedConfig(), nullptr);
    EXPECT_EQ(config().Textasf.text(), "0,1");
}

TEST_F(ConfigTest, MinimumPumpConstantItselfPasses) {
    start();
    FormConfig& c = openConfig();
    c.Textfil.setText("0,1");
    apply();
    EXPECT_EQ(line(), "Dados alterados!");
    EXPECT_EQ(storedNumber("kfill"), 0.1);
}

TEST_F(ConfigTest, TheLowestRateIsTheLowestMaximumRate) {
    start();
    openConfig().Txttonhmax.setText("20");
    apply();
    EXPECT_EQ(line(), "Dados alterados!");
    EXPECT_EQ(storedNumber("prodmax"), 20);
    EXPECT_EQ(main().HScroll.max(), 20);
}

TEST_F(ConfigTest, TareTypedAsOneMinusTwoKeepsTheStoredTareAndStillCloses) {
    start();
    FormConfig& c = openConfig();
    c.Txttara[1].setText("");
    station->ws().focusByPerson(c.Txttara[1]);
    station->ws().typeText("1-2");
    ASSERT_EQ(c.Txttara[1].text(), "1-2");
    apply();
    EXPECT_EQ(line(), "Dados alterados!");
    EXPECT_EQ(storedNumber("tara1"), 12);
    EXPECT_EQ(loadedConfig(), nullptr);
}

struct RefusalCase {
    const char* name;
    const char* box;
    const char* text;
    const char* lineShows;
    const char* language = "portugues";
};

class NoNumberRefused : public ConfigTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(NoNumberRefused, NamesTheBoxAndStoresAndRebandsNothing) {
    sql("calranvik.mdb", std::string("UPDATE constantes SET idioma = '") + GetParam().language + "'");
    start();
    FormConfig& c = openConfig();
    auto* box = dynamic_cast<forms::TextBox*>(c.findControl(GetParam().box));
    ASSERT_NE(box, nullptr) << GetParam().box;
    box->setText(GetParam().text);
    const std::string before = stored();
    apply();
    EXPECT_EQ(line(), GetParam().lineShows);
    EXPECT_EQ(stored(), before);
    EXPECT_TRUE(config().visible());
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(main().Gauge[i].state().fullScale(), 60);
        EXPECT_EQ(main().GaugeTmp(i).state().band(2).end, 255);
    }
    EXPECT_EQ(main().HScroll.max(), 200);
    EXPECT_EQ(main().Lblmax.caption(), "200");
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, NoNumberRefused,
    ::testing::Values(
        RefusalCase{"LoneCommaInAScale", "Txtescala(3)", ",", "Valor inválido: Silo 3 - Fundo escala"},
        RefusalCase{"TwoCommasInABandEnd", "TxtFimAmar(2)", "5,,0",
                    "Valor inválido: Silo 2 - Amarelo - final"},
        RefusalCase{"EmptyBandStart", "TxtInicVerm(5)", "", "Valor inválido: Silo 5 - Vermelho - inicial"},
        RefusalCase{"EmptyChannelFactor", "TextTk(1)", "", "Valor inválido: Temperaturas - CAP - K"},
        RefusalCase{"LoneCommaInALimit", "TextMinTemp(4)", ",",
                    "Valor inválido: Temperaturas - Combustível - LMin"},
        RefusalCase{"BlankSpeedFactor", "Txtvel(2)", " ", "Valor inválido: Silo 2 - K de veloc"},
        RefusalCase{"TwoCommasInAWeightFactor", "Txtpes(5)", "1,2,3", "Valor inválido: Silo 5 - K de peso"},
        RefusalCase{"EmptyFibreConstant", "Txtfibra", "", "Valor inválido: Bombas - k de fibra"},
        RefusalCase{"LoneCommaInTheAsphaltConstant", "Textasf", ",", "Valor inválido: Bombas - k do CAP"},
        RefusalCase{"EmptyRecordingPeriod", "Txttempo", "",
                    "Valor inválido: Gravação de dados - Tempo de grav."},
        RefusalCase{"RecordingPeriodBeyondTheCounter", "Txttempo", "9999",
                    "Valor inválido: Gravação de dados - Tempo de grav."},
        RefusalCase{"RateBeyondTheScrollBar", "Txttonhmax", "99999",
                    "Valor inválido: Produção - Ton. máx. por hora"},
        RefusalCase{"RateBelowTheLowestRate", "Txttonhmax", "19,99",
                    "Valor abaixo de 20 t/h: Produção - Ton. máx. por hora"},
        RefusalCase{"RateBelowTheLowestRateInTheScreensLanguage", "Txttonhmax", "5",
                    "Wert unter 20 t/h: Produktion - Max. t pro Stunde", "alemao"},
        RefusalCase{"TareBeyondSixteenBits", "Txttara(1)", "40000", "Valor inválido: Silo 1 - Tara"},
        RefusalCase{"NamedInTheScreensLanguage", "Txtescala(3)", ",", "Ungültiger Wert: Silo 3 - Skalenende",
                    "alemao"}),
    ByName());

} // namespace usina::test
