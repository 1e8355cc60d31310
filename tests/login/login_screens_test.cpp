// The three logins as the operator sees them, in Portuguese and in English.

#include "tests/operator/operator_fixture.h"
#include "tests/operator/screens.h"

namespace usina::test {

class LoginScreens : public OperatorTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(LoginScreens, AreSavedAsImages) {
    screensApplication();
    sql("calranvik.mdb", std::string("UPDATE constantes SET idioma = '") + GetParam() + "'");
    create();
    auto renderer = std::make_unique<qt::QtRenderer>(station->ws());
    station->run();
    LoginDialog* dialogs[] = {&window<FormLogin1>(), &window<FormLogin3>(), &window<FormLogin5>()};
    for (LoginDialog* login : dialogs) {
        login->Show();
        type(login->txtUserName, "kremo");
        type(login->txtPassword, "kremo");
        checkAndSave(*login, *renderer, login->name() + "_" + GetParam());
        ws().click(login->cmdCancel);
    }
    renderer.reset();
    deleteReleasedWindows();
}

INSTANTIATE_TEST_SUITE_P(Languages, LoginScreens, ::testing::Values("portugues", "ingles"), ByLanguage());

} // namespace usina::test
