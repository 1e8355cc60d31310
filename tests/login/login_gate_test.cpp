// The users screen's "Senhas" switch as an operator uses it: ticked by a level-3 user, the start and the
// mix editor go without a login; cleared again, both ask for one again at once.

#include "access/form_senha.h"
#include "platform/forms/key_codes.h"
#include "setup/form_altera_rec.h"
#include "tests/operator/operator_fixture.h"

namespace usina::test {

class LoginGateTest : public OperatorTest {
protected:
    void SetUp() override { start(); }

    // From the menu; kremo identifies and ticks the switch, or nobody identifies and it stays clear.
    void visitUsersScreen(bool tickSenhas) {
        ws().clickMenu(main().mnusenha);
        FormSenha& screen = window<FormSenha>();
        ASSERT_TRUE(screen.visible());
        if (tickSenhas) {
            for (const char* typed : {"kremo", "kremo"}) {
                ws().typeText(typed);
                ws().pressKey(forms::keys::enter, 0, forms::keys::enter);
            }
            ws().click(screen.h_senha);
        }
        ws().closeByPerson(screen);
    }
};

TEST_F(LoginGateTest, ClosingTheUsersScreenWithSenhasClearBringsTheLoginsBackAtOnce) {
    visitUsersScreen(true);
    ws().clickMenu(main().mnualt);
    ASSERT_TRUE(window<FormAltera_rec>().visible());
    EXPECT_EQ(access().UserLevel, "3");
    ws().closeByPerson(window<FormAltera_rec>());

    visitUsersScreen(false);
    EXPECT_EQ(gate().FullAccessFlag, 0);
    EXPECT_EQ(access().UserLevel, "0");
    ws().clickMenu(main().mnualt);
    EXPECT_TRUE(window<FormLogin3>().visible());
    EXPECT_FALSE(window<FormAltera_rec>().visible());
    ws().click(window<FormLogin3>().cmdCancel);

    fillMoistures();
    ws().click(main().CmdLiga);
    EXPECT_TRUE(window<FormLogin5>().visible());
    EXPECT_EQ(main().CmdLiga.caption(), "Iniciar Processo");
}

// A user who logged in and only passes through the users screen (his own password) stays logged in.
TEST_F(LoginGateTest, PassingThroughTheUsersScreenWithTheGateClosedLogsNobodyOut) {
    fillMoistures();
    logInToStart();
    visitUsersScreen(false);
    EXPECT_EQ(access().UserLevel, "3");
    ws().click(main().CmdLiga);
    EXPECT_EQ(main().CmdLiga.caption(), "Desligar");
}

} // namespace usina::test
