// The menus: the logins in front of the mix editor and the constants screen, the windows reached by
// name, and the way out.

#include "access/form_senha.h"
#include "core/station_form.h"
#include "setup/form_altera_rec.h"
#include "tests/operator/operator_fixture.h"

namespace usina::test {

struct MixMenuCase {
    const char* label;
    std::int16_t fullAccess;
    const char* level;
    bool asksForALogin;
    const char* levelAfter;
};

class MixMenu : public OperatorTest, public ::testing::WithParamInterface<MixMenuCase> {};

TEST_P(MixMenu, OpensTheEditorFromLevelTwoOrTheLoginBelow) {
    const MixMenuCase& c = GetParam();
    start();
    gate().FullAccessFlag = c.fullAccess;
    access().UserLevel = c.level;
    window<FormLogin3>().txtPassword.setText("old");
    ws().clickMenu(main().mnualt);
    EXPECT_EQ(window<FormLogin3>().visible(), c.asksForALogin);
    if (c.asksForALogin) {
        EXPECT_EQ(window<FormLogin3>().txtPassword.text(), "");
    }
    EXPECT_EQ(window<FormAltera_rec>().visible(), !c.asksForALogin);
    EXPECT_EQ(access().UserLevel, c.levelAfter);
}

INSTANTIATE_TEST_SUITE_P(Levels, MixMenu,
                         ::testing::Values(MixMenuCase{"NobodyLogsInFirst", 0, "0", true, "0"},
                                           MixMenuCase{"LevelOneLogsInFirst", 0, "1", true, "1"},
                                           MixMenuCase{"LevelTwoOpensTheEditor", 0, "2", false, "2"},
                                           MixMenuCase{"AnOpenLoginGateOpensTheEditor", 1, "0", false, "3"}),
                         ByLabel());

TEST_F(OperatorTest, TheConstantsAskForAFreshLoginEvenFromLevelThreeOrAnOpenGate) {
    start();
    gate().FullAccessFlag = 1;
    access().UserLevel = "3";
    window<FormLogin1>().txtPassword.setText("kremo");
    ws().clickMenu(main().mnusil);
    EXPECT_TRUE(window<FormLogin1>().visible());
    EXPECT_EQ(window<FormLogin1>().txtPassword.text(), "");
    EXPECT_EQ(access().UserLevel, "0");
}

struct NamedWindowCase {
    const char* label;
    forms::MenuItem FormRanvikv5::*item;
    const char* window;
};

class WindowsAboveTheMainWindow : public OperatorTest,
                                  public ::testing::WithParamInterface<NamedWindowCase> {};

// The reports, the export and the language choice live in folders above the main window's: their items
// find them by name, without a login.
TEST_P(WindowsAboveTheMainWindow, OpenWithoutALogin) {
    const NamedWindowCase& c = GetParam();
    start();
    ws().clickMenu(main().*c.item);
    forms::Form& shown = station->formNamed(c.window);
    EXPECT_TRUE(shown.visible());
    EXPECT_EQ(access().UserLevel, "0");
}

INSTANTIATE_TEST_SUITE_P(
    Menus, WindowsAboveTheMainWindow,
    ::testing::Values(NamedWindowCase{"Export", &FormRanvikv5::mnugra, "FormDatas"},
                      NamedWindowCase{"Language", &FormRanvikv5::mnulingua, "Idioma"},
                      NamedWindowCase{"PlateReport", &FormRanvikv5::mnurelplacas, "FormRelPlaca"},
                      NamedWindowCase{"ProductionReport", &FormRanvikv5::mnurelprod, "FormRelProducao"},
                      NamedWindowCase{"MaterialsReport", &FormRanvikv5::mnuRelConMat, "FormRelMateriais"},
                      NamedWindowCase{"TemperatureReport", &FormRanvikv5::mnuRelTemp, "FormRelTemp"}),
    ByLabel());

TEST_F(OperatorTest, TheUsersItemShowsTheUsersScreenWithoutALogin) {
    start();
    ws().clickMenu(main().mnusenha);
    ASSERT_NE(station->ws().peek<FormSenha>(), nullptr);
    EXPECT_TRUE(station->ws().peek<FormSenha>()->visible());
    EXPECT_EQ(access().UserLevel, "0");
}

TEST_F(OperatorTest, TheWayOutIsRefusedWhileThePlantRunsAndEndsTheProgramWhenStopped) {
    start();
    startThePlant();
    ws().clickMenu(main().mnusai);
    EXPECT_FALSE(ws().ended());
    EXPECT_EQ(line(), "Desligar primeiro a Usina...");

    main().CmdLiga.setCaption("Iniciar Processo");
    ws().clickMenu(main().mnuout);
    EXPECT_TRUE(ws().ended());
}

TEST_F(OperatorTest, AnArmedTrapLogsAFaultOfTheStartUnderTheButtonsName) {
    start();
    fillMoistures();
    logInToStart();
    sql("calranvik.mdb", "UPDATE constantes SET prodmax = NULL");
    services().ErrorTrapEnabled = 1;
    ws().click(main().CmdLiga);
    const auto rows = database("bdruntime.mdb").query("SELECT \"Forma\", \"Elemento\" FROM Tblerro");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].text, "FormRanvikv5");
    EXPECT_EQ(rows[0][1].text, "CmdLiga");
}

} // namespace usina::test
