// The main window as the operator leaves it before the start and right after it, in Portuguese and in
// English.

#include "tests/operator/operator_fixture.h"
#include "tests/operator/screens.h"

namespace usina::test {

class MainWindowScreens : public OperatorTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(MainWindowScreens, WithTheMoisturesFilledAreSavedAsImages) {
    screensApplication();
    sql("calranvik.mdb", std::string("UPDATE constantes SET idioma = '") + GetParam() + "'");
    plantConfig.modelCode = 32;
    create();
    auto renderer = std::make_unique<qt::QtRenderer>(station->ws());
    station->run();
    const char* moistures[] = {"3,5", "4", "2,8", "6", "1,5"};
    for (int i = 1; i <= 5; ++i) {
        type(main().txtumid[i], moistures[i - 1]);
    }
    ws().click(main().CmdLiga);
    logIn(window<FormLogin5>(), "kremo", "kremo");
    checkAndSave(main(), *renderer, std::string("main_window_logged_in_") + GetParam());

    clearLine();
    ws().click(main().CmdLiga);
    EXPECT_EQ(main().CmdLiga.backColor(), forms::colors::lightGreen);
    checkAndSave(main(), *renderer, std::string("main_window_started_") + GetParam());
    renderer.reset();
    deleteReleasedWindows();
}

INSTANTIATE_TEST_SUITE_P(Languages, MainWindowScreens, ::testing::Values("portugues", "ingles"),
                         ByLanguage());

} // namespace usina::test
