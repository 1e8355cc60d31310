// The constants screen as a holder and as a window: what its load shows, what its activation and its
// unload do to the main window, and the keys its boxes take.

#include "tests/config/config_fixture.h"

namespace usina::test {

TEST_F(ConfigTest, LoadShowsBothRowsAndTheCountsInForce) {
    sql("calranvik.mdb", "UPDATE constantes SET tara2 = 12.6, kpes3 = 1.5, kvel4 = 0.225, \"0t2\" = -3.5, "
                         "kt5 = 1.25, mint4 = 60, maxt4 = 95, prodmax = 180, tgrav = 2.5, kasf = 0.5, "
                         "saidafb = 1, saidamal = 0, nomet3 = 'Gases do filtro'");
    sql("calranvik.mdb", "UPDATE gauges SET \"fim amar 5\" = 47.5");
    writeSettings("[Configuracoes]\nMediaSilo3=4\n");
    start();
    // The counts in force, not the file's: the screen loads again after the change.
    settings().SiloAverageCount[5] = 7;
    config().Unload();
    FormConfig& c = config();

    EXPECT_EQ(c.Txttara[2].text(), "13");
    EXPECT_EQ(c.Txtpes[3].text(), "1,50");
    EXPECT_EQ(c.Txtvel[4].text(), "0,23");
    EXPECT_EQ(c.TextT0[2].text(), "-3,5");
    EXPECT_EQ(c.TextTk[5].text(), "1,25");
    EXPECT_EQ(c.TextMinTemp[4].text(), "60");
    EXPECT_EQ(c.TextMaxTemp[4].text(), "95");
    EXPECT_EQ(c.txt_tn[3].text(), "Gases do filtro");
    EXPECT_EQ(c.Txttonhmax.text(), "180");
    EXPECT_EQ(c.Txttempo.text(), "2,5");
    EXPECT_EQ(c.Textasf.text(), "0,5");
    EXPECT_EQ(c.Chkfibra.value(), 1);
    EXPECT_EQ(c.Chkmal.value(), 0);
    EXPECT_EQ(c.TxtFimAmar[5].text(), "48");
    EXPECT_EQ(c.Txtescala[1].text(), "60");
    EXPECT_EQ(c.TxtMed[2].text(), "4");
    EXPECT_EQ(c.TxtMed[4].text(), "7");
    EXPECT_EQ(c.TxtMed[0].text(), "1");
}

TEST_F(ConfigTest, AveragingLabelsReadTheSameInEveryLanguage) {
    sql("calranvik.mdb", "UPDATE constantes SET idioma = 'alemao'");
    start();
    EXPECT_EQ(config().caption(), "Konstanten");
    EXPECT_EQ(config().Lblescala[1].caption(), "Skalenende");
    for (int k = 0; k <= 4; ++k) {
        EXPECT_EQ(config().LblMed[k].caption(), "Média por");
    }
}

// Any touch loads the screen hidden: its load runs, its activation does not.
TEST_F(ConfigTest, AfterAnUnloadTheNextTouchLoadsItHiddenWithTheStoredValues) {
    start();
    ASSERT_NE(loadedConfig(), nullptr);
    EXPECT_FALSE(config().visible());
    EXPECT_TRUE(main().CmdLiga.enabled());

    openConfig().Txtpes[1].setText("9,99");
    station->ws().closeByPerson(config());
    EXPECT_EQ(loadedConfig(), nullptr);

    config().Txtccarga[2].setText("88");
    ASSERT_NE(loadedConfig(), nullptr);
    EXPECT_FALSE(config().visible());
    EXPECT_EQ(config().Txtpes[1].text(), "0,20");
    EXPECT_TRUE(main().CmdLiga.enabled());
}

TEST_F(ConfigTest, EveryActivationLocksTheStartAndOnlyTheUnloadFreesIt) {
    start();
    openConfig();
    EXPECT_FALSE(main().CmdLiga.enabled());

    station->ws().activateByPerson(main());
    main().CmdLiga.setEnabled(true);
    station->ws().activateByPerson(config());
    EXPECT_FALSE(main().CmdLiga.enabled());

    station->ws().closeByPerson(config());
    EXPECT_TRUE(main().CmdLiga.enabled());
}

TEST_F(ConfigTest, WithoutTheLockTheStartButtonIsLeftAlone) {
    writeSettings("[Geral]\nBloquear=0\n");
    start();
    main().CmdLiga.setEnabled(false);
    openConfig();
    station->ws().closeByPerson(config());
    EXPECT_FALSE(main().CmdLiga.enabled());
}

TEST_F(ConfigTest, ClosingWithoutApplyingLogsOutAndReloadsThroughTheMixList) {
    start();
    int reloads = 0;
    auto ownReload = main().DBCombomist.GotFocus;
    main().DBCombomist.GotFocus = [&] {
        ++reloads;
        if (ownReload) {
            ownReload();
        }
    };
    openConfig().Txttonhmax.setText("150");
    const std::string before = stored();
    station->ws().closeByPerson(config());
    EXPECT_EQ(access().UserLevel, "0");
    EXPECT_EQ(station->ws().focused(), &main().DBCombomist);
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(config().Txttonhmax.text(), "200");
}

struct TemperatureRows {
    const char* name;
    int modelCode;
    bool editable;
};

class ExtraTemperatureRows : public ConfigTest, public ::testing::WithParamInterface<TemperatureRows> {};

TEST_P(ExtraTemperatureRows, FollowTheControllersInputsAndStillShowTheStoredValues) {
    plantConfig.modelCode = static_cast<std::uint8_t>(GetParam().modelCode);
    start();
    FormConfig& c = openConfig();
    const forms::Color look =
        GetParam().editable ? forms::colors::windowBackground : forms::colors::buttonFace;
    for (auto* row : {&c.txt_tn, &c.TextT0, &c.TextTk, &c.TextMinTemp, &c.TextMaxTemp}) {
        for (int j = 4; j <= 5; ++j) {
            EXPECT_EQ((*row)[j].enabled(), GetParam().editable) << (*row)[j].qualifiedName();
            EXPECT_EQ((*row)[j].backColor(), look) << (*row)[j].qualifiedName();
        }
        EXPECT_TRUE((*row)[3].enabled());
        EXPECT_EQ((*row)[3].backColor(), forms::colors::windowBackground);
    }
    EXPECT_EQ(c.txt_tn[4].text(), "Combustível");
    EXPECT_EQ(c.TextMaxTemp[5].text(), "180");
}

INSTANTIATE_TEST_SUITE_P(Controllers, ExtraTemperatureRows,
                         ::testing::Values(TemperatureRows{"FiveInputs", 32, true},
                                           TemperatureRows{"ThreeInputs", 50, false}),
                         ByName());

TEST_F(ConfigTest, AveragingBoxTakesOneDigitWhichItsFocusSelects) {
    start();
    FormConfig& c = openConfig();
    station->ws().focusByPerson(c.Txtpes[1]);
    station->ws().focusByPerson(c.TxtMed[1]);
    EXPECT_EQ(c.TxtMed[1].selLength(), 1);
    station->ws().typeText("x7,3");
    EXPECT_EQ(c.TxtMed[1].text(), "7");
    EXPECT_EQ(line(), "");
    EXPECT_EQ(desktop.beeps(), 0);
}

struct KeyCase {
    const char* name;
    const char* box;
    const char* typed;
    const char* shows;
    bool refused;
};

class KeyFilters : public ConfigTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyFilters, PassOrRefuseEachKey) {
    start();
    FormConfig& c = openConfig();
    auto* box = dynamic_cast<forms::TextBox*>(c.findControl(GetParam().box));
    ASSERT_NE(box, nullptr) << GetParam().box;
    box->setText("");
    station->ws().focusByPerson(*box);
    station->ws().typeText(GetParam().typed);
    EXPECT_EQ(box->text(), GetParam().shows);
    EXPECT_EQ(line(), GetParam().refused ? "Use Números !" : "");
    EXPECT_EQ(desktop.beeps() > 0, GetParam().refused);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, KeyFilters,
    ::testing::Values(KeyCase{"FactorTakesTheComma", "Txtpes(1)", "1,5", "1,5", false},
                      KeyCase{"FactorRefusesThePoint", "Txtvel(2)", "1.5", "15", true},
                      KeyCase{"FactorRefusesTheMinus", "Txtpes(3)", "-1", "1", true},
                      KeyCase{"BandRefusesALetter", "TxtInicVerd(4)", "4a", "4", true},
                      KeyCase{"LimitRefusesABlank", "TextMaxTemp(1)", "1 8", "18", true},
                      KeyCase{"RateTakesDigits", "Txttonhmax", "180", "180", false},
                      KeyCase{"PumpConstantRefusesThePoint", "Textasf", "0.2", "02", true},
                      KeyCase{"OffsetTakesMinusAnywhere", "TextT0(2)", "-1-2-", "-1-2-", false},
                      KeyCase{"OffsetRefusesThePoint", "TextT0(3)", "-1.5", "-15", true},
                      KeyCase{"TareTakesMinusAnywhere", "Txttara(1)", "1-2", "1-2", false},
                      KeyCase{"AveragingDropsTheCommaSilently", "TxtMed(3)", ",", "", false},
                      KeyCase{"ChannelNameTakesAnything", "txt_tn(1)", "CAP.2 -a", "CAP.2 -a", false},
                      KeyCase{"LiveReadingTakesAnything", "Txtccarga(5)", "x.-", "x.-", false}),
    ByName());

namespace {

// What a control shows: the caption of a label, frame, button or check box, or a box's text.
std::string shownBy(const forms::Control& c) {
    if (const auto* label = dynamic_cast<const forms::Label*>(&c)) {
        return label->caption();
    }
    if (const auto* frame = dynamic_cast<const forms::Frame*>(&c)) {
        return frame->caption();
    }
    if (const auto* button = dynamic_cast<const forms::CommandButton*>(&c)) {
        return button->caption();
    }
    if (const auto* check = dynamic_cast<const forms::CheckBox*>(&c)) {
        return check->caption();
    }
    if (const auto* box = dynamic_cast<const forms::TextBox*>(&c)) {
        return box->text();
    }
    return "";
}

} // namespace

class ConfigInEveryLanguage : public ConfigTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ConfigInEveryLanguage, ShowsNoMissingTranslationAndHasEveryMessageOfTheApply) {
    sql("calranvik.mdb", std::string("UPDATE constantes SET idioma = '") + GetParam() + "'");
    start();
    FormConfig& c = config();
    EXPECT_EQ(c.caption().find("######"), std::string::npos);
    for (forms::Control* control : c.controls()) {
        const std::string text = shownBy(*control);
        EXPECT_EQ(text.find("######"), std::string::npos) << control->qualifiedName();
        EXPECT_EQ(text.find("naotem"), std::string::npos) << control->qualifiedName();
    }
    for (const char* message :
         {"Não deixe nenhum campo em branco!", "Erro...Precisa Ostrel/Pellum de 10 saídas",
          "Constante do Alfalto muito Baixa", "Constante do filler muito Baixa", "Dados alterados!",
          "Valor inválido:", "Valor abaixo de 20 t/h:", "inicial", "final"}) {
        const std::string shown = services().TranslateText(message);
        EXPECT_NE(shown, "######") << message;
        EXPECT_NE(shown, "naotem") << message;
        EXPECT_FALSE(shown.empty()) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ConfigInEveryLanguage,
                         ::testing::Values("portugues", "espanhol", "ingles", "italiano", "frances",
                                           "alemao"),
                         [](const ::testing::TestParamInfo<const char*>& p) { return std::string(p.param); });

} // namespace usina::test
