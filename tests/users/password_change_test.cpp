// The change of password: the identification stands for the old password; blank and differing new
// passwords are refused; the new one is stored hashed.

#include "tests/users/users_fixture.h"

namespace usina::test {

class PasswordChange : public UsersTest {
protected:
    // Identified, then on to the change of password by its button.
    trocasenha& openChangeAs(const std::string& name, const std::string& password) {
        FormSenha& window = identify(name, password);
        EXPECT_EQ(takeMessage(), "");
        ws().click(window.botsenha);
        return troca();
    }
};

TEST_F(PasswordChange, AUserBelowLevelThreeChangesHisOwnPassword) {
    storeUser("operador", "op1", "1");
    trocasenha& change = openChangeAs("operador", "op1");
    EXPECT_EQ(ws().peek<FormSenha>(), nullptr);
    EXPECT_TRUE(change.visible());
    EXPECT_EQ(change.txtnome.text(), "operador");
    EXPECT_FALSE(change.txtnome.enabled());
    EXPECT_TRUE(change.txtsenha.hasFocus());

    typeAndEnter("Nova-7");
    EXPECT_TRUE(change.txtconfirma.hasFocus());
    typeAndEnter("Nova-7");
    EXPECT_EQ(takeMessage(), "Senha Alterada ");
    EXPECT_EQ(ws().peek<trocasenha>(), nullptr);
    EXPECT_TRUE(passwords::matches(storedPassword("operador"), "Nova-7"));

    identify("operador", "op1");
    EXPECT_EQ(takeMessage(), "Senha inválida.");
    identify("operador", "Nova-7");
    EXPECT_EQ(takeMessage(), "");
}

// The users screen opened and closed again while the change is on screen: its load must not unlock the
// name box, and the change still goes to the identified user alone.
TEST_F(PasswordChange, ReopeningTheUsersScreenKeepsTheNameLockedToTheUserBelowLevelThree) {
    storeUser("operador", "op1", "1");
    trocasenha& change = openChangeAs("operador", "op1");
    ws().clickMenu(main().mnusenha);
    ASSERT_TRUE(senha().visible());
    ws().closeByPerson(senha());

    ASSERT_TRUE(change.visible());
    EXPECT_FALSE(change.txtnome.enabled());
    EXPECT_EQ(change.txtnome.text(), "operador");
    ws().focusByPerson(change.txtnome);
    EXPECT_FALSE(change.txtnome.hasFocus());
    // The focus came back to the empty confirmation: leaving it says "Senha em Branco".
    ws().focusByPerson(change.txtsenha);
    takeMessage();
    typeAndEnter("Nova-8");
    typeAndEnter("Nova-8");
    EXPECT_EQ(takeMessage(), "Senha Alterada ");
    EXPECT_TRUE(passwords::matches(storedPassword("operador"), "Nova-8"));
    EXPECT_TRUE(passwords::matches(storedPassword("kremo"), "kremo"));
}

TEST_F(PasswordChange, BlankOrDifferingPasswordsChangeNothing) {
    storeUser("operador", "op1", "1");
    const std::string before = storedPassword("operador");
    trocasenha& change = openChangeAs("operador", "op1");
    const int beeps = desktop.beeps();

    typeAndEnter("abc");
    typeAndEnter("");
    EXPECT_EQ(takeMessage(), "Senha em Branco");
    EXPECT_EQ(desktop.beeps(), beeps + 1);
    EXPECT_EQ(change.txtsenha.text(), "abc");

    // Enter in the confirmation went on to the new password: typed again, then a differing confirmation.
    ASSERT_TRUE(change.txtsenha.hasFocus());
    change.txtsenha.setText("");
    typeAndEnter("abc");
    typeAndEnter("abd");
    EXPECT_EQ(takeMessage(), "Senhas diferentes");
    EXPECT_EQ(desktop.beeps(), beeps + 2);
    EXPECT_EQ(change.txtsenha.text(), "");
    EXPECT_EQ(change.txtconfirma.text(), "");
    EXPECT_TRUE(change.txtsenha.hasFocus());
    EXPECT_TRUE(change.visible());
    EXPECT_EQ(storedPassword("operador"), before);
}

TEST_F(PasswordChange, LevelThreeChangesTheNamedUsersPassword) {
    storeUser("operador", "op1", "1");
    trocasenha& change = openChangeAs("kremo", "kremo");
    EXPECT_TRUE(change.txtnome.enabled());
    EXPECT_TRUE(change.txtnome.hasFocus());
    typeAndEnter("ninguem");
    EXPECT_EQ(takeMessage(), "Login Inválido");
    EXPECT_TRUE(change.txtnome.hasFocus());

    change.txtnome.setText("");
    typeAndEnter("OPERADOR");
    EXPECT_TRUE(change.txtsenha.hasFocus());
    typeAndEnter("trocada");
    typeAndEnter("trocada");
    EXPECT_EQ(takeMessage(), "Senha Alterada ");
    EXPECT_TRUE(passwords::matches(storedPassword("operador"), "trocada"));
    EXPECT_TRUE(passwords::matches(storedPassword("kremo"), "kremo"));
}

// The users table's current row is shared with the logins: one that moves it while the change is open
// must not turn the change onto another user.
TEST_F(PasswordChange, ALoginInBetweenDoesNotRedirectTheChange) {
    storeUser("operador", "op1", "1");
    openChangeAs("operador", "op1");
    db().UsersRecordset.seek(Value("kremo"));
    typeAndEnter("minha");
    typeAndEnter("minha");
    EXPECT_EQ(takeMessage(), "Senha Alterada ");
    EXPECT_TRUE(passwords::matches(storedPassword("operador"), "minha"));
    EXPECT_TRUE(passwords::matches(storedPassword("kremo"), "kremo"));
}

} // namespace usina::test
