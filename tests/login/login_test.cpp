// The logins: one sequence of checks in three dialogs, what each leaves behind, and what the start
// login hands back to the main window.

#include "platform/forms/key_codes.h"
#include "tests/operator/operator_fixture.h"

namespace usina::test {

namespace {

enum class Dialog { Constants, Mixes, Start };

} // namespace

class LoginTest : public OperatorTest {
protected:
    void SetUp() override {
        sql("datranvik.mdb", "INSERT INTO senhas (login1, senha1, permissao) VALUES "
                             "('ana', 'Segredo', '1'), ('bia', 'b2', '2'), ('zero', 'z', '0')");
        start();
    }
    LoginDialog& dialog(Dialog d) {
        switch (d) {
        case Dialog::Constants:
            return window<FormLogin1>();
        case Dialog::Mixes:
            return window<FormLogin3>();
        case Dialog::Start:
            break;
        }
        return window<FormLogin5>();
    }
};

struct LoginCase {
    const char* label;
    Dialog dialog;
    const char* name;
    const char* password;
    const char* message;
    bool staysOpen;
    const char* levelAfter; // UserLevel was "2" before
    const char* passwordAfter;
    const char* opens; // the window shown after the login, or ""
};

class EveryLoginCase : public LoginTest, public ::testing::WithParamInterface<LoginCase> {};

TEST_P(EveryLoginCase, GivesItsMessageAndLeavesItsState) {
    const LoginCase& c = GetParam();
    access().UserLevel = "2";
    LoginDialog& login = dialog(c.dialog);
    login.Show();
    logIn(login, c.name, c.password);
    EXPECT_EQ(line(), c.message);
    EXPECT_EQ(login.visible(), c.staysOpen);
    EXPECT_TRUE(login.isLoaded());
    EXPECT_EQ(access().UserLevel, c.levelAfter);
    EXPECT_EQ(login.txtPassword.text(), c.passwordAfter);
    EXPECT_EQ(login.txtUserName.text(), c.name);
    for (const char* opened : {"FormConfig", "FormAltera_rec"}) {
        EXPECT_EQ(ws().formNamed(opened)->visible(), std::string(c.opens) == opened) << opened;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Logins, EveryLoginCase,
    ::testing::Values(LoginCase{"EmptyName", Dialog::Constants, "", "x", "Preencha o seu login!", true, "2",
                                "x", ""},
                      LoginCase{"UnknownUserEmptiesTheConstantsPassword", Dialog::Constants, "nobody", "x",
                                "Não existe este login!", true, "2", "", ""},
                      LoginCase{"UnknownUserKeepsTheMixesPassword", Dialog::Mixes, "nobody", "x",
                                "Não existe este login!", true, "2", "x", ""},
                      LoginCase{"PasswordIsCaseSensitive", Dialog::Constants, "kremo", "KREMO",
                                "Senha inválida.", true, "0", "", ""},
                      LoginCase{"WrongPasswordAtTheStart", Dialog::Start, "ana", "segredo", "Senha inválida.",
                                true, "0", "", ""},
                      LoginCase{"LevelTooLowForTheConstants", Dialog::Constants, "ana", "Segredo",
                                "Você não tem acesso as configurações!", false, "1", "", ""},
                      LoginCase{"LevelTooLowForTheMixes", Dialog::Mixes, "ana", "Segredo",
                                "Você não acesso aos Traços", false, "1", "", ""},
                      LoginCase{"LevelZeroMayNotStart", Dialog::Start, "zero", "z",
                                "Você não tem permissão para iniciar a usina!", false, "0", "", ""},
                      LoginCase{"LevelOneMayStart", Dialog::Start, "ana", "Segredo", "Acesso liberado!",
                                false, "1", "", ""},
                      LoginCase{"LevelThreeOpensTheConstants", Dialog::Constants, "kremo", "kremo", "", false,
                                "3", "", "FormConfig"},
                      LoginCase{"LevelTwoIsNotEnoughForTheConstants", Dialog::Constants, "bia", "b2",
                                "Você não tem acesso as configurações!", false, "2", "", ""},
                      LoginCase{"LevelThreeOpensTheMixes", Dialog::Mixes, "kremo", "kremo", "", false, "3",
                                "", "FormAltera_rec"}),
    ByLabel());

TEST_F(LoginTest, TheNameIsFoundWhateverItsCaseAndKeptAsTyped) {
    ws().click(main().CmdLiga);
    logIn(window<FormLogin5>(), "KReMo", "kremo");
    EXPECT_EQ(line(), "Acesso liberado!");
    EXPECT_EQ(access().UserLevel, "3");
    EXPECT_EQ(access().CurrentUserName, "KReMo");
    EXPECT_EQ(access().LoginUserName, "KReMo");
}

// The name box, left for the password, names the user in the records even when the password is wrong.
TEST_F(LoginTest, TheStartLoginKeepsTheNameBoxAsLeftBeforeAnyCheck) {
    ws().click(main().CmdLiga);
    logIn(window<FormLogin5>(), "ana", "wrong");
    EXPECT_EQ(access().LoginUserName, "ana");
    EXPECT_EQ(access().CurrentUserName, "");
}

TEST_F(LoginTest, CancelAndTheCloseBoxHideTheDialogWithItsNameAndChangeNothing) {
    access().UserLevel = "2";
    FormLogin3& login = window<FormLogin3>();
    login.Show();
    type(login.txtUserName, "bia");
    type(login.txtPassword, "b2");
    ws().click(login.cmdCancel);
    EXPECT_FALSE(login.visible());
    EXPECT_EQ(login.txtPassword.text(), "");
    login.Show();
    type(login.txtPassword, "b2");
    ws().closeByPerson(login);
    EXPECT_TRUE(login.isLoaded());
    EXPECT_FALSE(login.visible());
    EXPECT_EQ(login.txtUserName.text(), "bia");
    EXPECT_EQ(login.txtPassword.text(), "");
    EXPECT_EQ(access().UserLevel, "2");
    EXPECT_EQ(line(), "");
}

// The password box is emptied and focused and the queued keys select its (empty) text; the start login
// then hands the focus to the mix box, where the same keys select the mix's name.
TEST_F(LoginTest, AWrongPasswordQueuesTheSelectionForWhateverHoldsTheFocusThen) {
    FormLogin1& constants = window<FormLogin1>();
    constants.Show();
    logIn(constants, "kremo", "nope");
    EXPECT_TRUE(constants.txtPassword.hasFocus());
    EXPECT_EQ(constants.txtPassword.selLength(), 0);

    clearLine();
    ws().click(main().CmdLiga);
    FormLogin5& start = window<FormLogin5>();
    logIn(start, "kremo", "nope");
    EXPECT_EQ(line(), "Senha inválida.");
    EXPECT_TRUE(start.visible());
    EXPECT_EQ(start.txtPassword.text(), "");
    EXPECT_TRUE(main().DBCombomist.hasFocus());
    EXPECT_EQ(main().DBCombomist.selStart(), 0);
    EXPECT_EQ(main().DBCombomist.selLength(), static_cast<int>(charCount(main().DBCombomist.text())));
}

TEST_F(LoginTest, TheConstantsLoginReopensOnTheEmptyPasswordUnderTheLastName) {
    ws().clickMenu(main().mnusil);
    FormLogin1& login = window<FormLogin1>();
    EXPECT_TRUE(login.visible());
    EXPECT_TRUE(login.txtUserName.hasFocus());
    logIn(login, "ana", "Segredo");
    EXPECT_EQ(line(), "Você não tem acesso as configurações!");
    EXPECT_EQ(access().UserLevel, "1");

    ws().clickMenu(main().mnusil);
    EXPECT_EQ(login.txtUserName.text(), "ana");
    EXPECT_EQ(login.txtPassword.text(), "");
    EXPECT_TRUE(login.txtPassword.hasFocus());
    EXPECT_EQ(access().UserLevel, "0");
}

// The stop logs the user out. The start login comes back with his name and the focus on OK, as he left
// it, but without his password: OK, or Enter, does not let him in again.
TEST_F(LoginTest, AfterTheStopTheStartLoginAsksForThePasswordAgain) {
    fillMoistures();
    logInToStart("ana", "Segredo");
    ws().click(main().CmdLiga);
    ASSERT_EQ(main().CmdLiga.caption(), "Desligar");
    ws().click(main().CmdLiga);
    ASSERT_TRUE(desktop.runUntil([&] { return main().CmdLiga.caption() == "Iniciar Processo"; }, 120));
    EXPECT_EQ(access().UserLevel, "0");

    clearLine();
    ws().click(main().CmdLiga);
    FormLogin5& login = window<FormLogin5>();
    ASSERT_TRUE(login.visible());
    EXPECT_EQ(login.txtUserName.text(), "ana");
    EXPECT_EQ(login.txtPassword.text(), "");
    EXPECT_TRUE(login.cmdOK.hasFocus());
    ws().pressKey(forms::keys::enter, 0, forms::keys::enter);
    EXPECT_EQ(line(), "Senha inválida.");
    EXPECT_EQ(access().UserLevel, "0");
    ws().click(main().CmdLiga);
    EXPECT_EQ(main().CmdLiga.caption(), "Iniciar Processo");
}

// A level-1 user passed the constants login: the plant starts with no further login.
TEST_F(LoginTest, ALevelFromAnyLoginLetsThePlantStart) {
    window<FormLogin1>().Show();
    logIn(window<FormLogin1>(), "ana", "Segredo");
    fillMoistures();
    ws().click(main().CmdLiga);
    EXPECT_EQ(main().CmdLiga.caption(), "Desligar");
    EXPECT_FALSE(window<FormLogin5>().visible());
}

// The start login ends by reloading the mix list, the mix in use and the constants, passed or not.
TEST_F(LoginTest, TheStartLoginReloadsTheMixListAndTheConstants) {
    sql("datranvik.mdb",
        "INSERT INTO alt_mist SELECT 'BINDER', producao_o, quantdd1, quantdd2, quantdd3, quantdd4, "
        "quantdd5, asfalto, filler, malteno, fibra, tempo_asf, tempo_fill, tempo_malt, "
        "tempo_fibra, \"silo 1\", \"silo 2\", \"silo 3\", \"silo 4\", \"silo 5\" FROM alt_mist "
        "WHERE mistura = 'SMA 0/11'");
    sql("calranvik.mdb", "UPDATE constantes SET kasf = 77.5");
    ws().click(main().CmdLiga);
    logIn(window<FormLogin5>(), "zero", "z");
    EXPECT_THAT(main().DBCombomist.items(), ::testing::ElementsAre("BINDER", "CBUQ FAIXA C", "SMA 0/11"));
    EXPECT_EQ(main().DBCombomist.text(), "CBUQ FAIXA C");
    EXPECT_EQ(mix().Kasf, 77.5);
}

} // namespace usina::test
