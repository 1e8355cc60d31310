// Adding, altering and deleting users: a new or altered user's password is his name; "kremo" stays.

#include "tests/users/users_fixture.h"

namespace usina::test {

class UserMaintenance : public UsersTest {
protected:
    FormUsuario& openUsers() {
        FormSenha& window = identify("kremo", "kremo");
        EXPECT_EQ(takeMessage(), "");
        ws().click(window.botusu);
        return usuario();
    }
    // Name and level typed into their boxes, then the button clicked.
    void act(forms::CommandButton& button, const std::string& name, const std::string& level) {
        FormUsuario& window = usuario();
        window.txtusuario.setText(name);
        window.Txtpoder.setText(level);
        ws().click(button);
    }
    std::string storedLevel(const std::string& name) const {
        return database("datranvik.mdb").scalar("SELECT permissao FROM senhas WHERE login1 = ?", {name}).text;
    }
};

TEST_F(UserMaintenance, TheListHoldsEveryUserInKeyOrderAndShowsTheFirst) {
    storeUser("zeca", "z", "1");
    storeUser("Ana", "a", "2");
    FormUsuario& window = openUsers();
    EXPECT_TRUE(window.visible());
    EXPECT_EQ(window.txtusuario.items(), (std::vector<std::string>{"Ana", "kremo", "zeca"}));
    EXPECT_EQ(window.txtusuario.text(), "Ana");
    EXPECT_EQ(window.Txtpoder.text(), "2");

    ws().choose(window.txtusuario, 2);
    EXPECT_EQ(window.Txtpoder.text(), "1");
    // The list is as the window was opened: a user deleted since is no longer found.
    sql("datranvik.mdb", "DELETE FROM senhas WHERE login1 = 'zeca'");
    ws().choose(window.txtusuario, 2);
    EXPECT_EQ(takeMessage(), "Login Invalido");
}

TEST_F(UserMaintenance, ANewUserIdentifiesWithHisNameAndAlteringGivesItBack) {
    FormUsuario& window = openUsers();
    act(window.Cmdincluir, "joao", "2");
    EXPECT_EQ(takeMessage(), "");
    EXPECT_EQ(storedLevel("joao"), "2");
    EXPECT_TRUE(passwords::isHash(storedPassword("joao")));
    EXPECT_EQ(window.txtusuario.items(), (std::vector<std::string>{"joao", "kremo"}));
    act(window.Cmdincluir, "JOAO", "1");
    EXPECT_EQ(takeMessage(), "Usuário já existe");
    EXPECT_EQ(userCount(), 2);

    EXPECT_TRUE(identify("joao", "joao").botsenha.enabled());
    EXPECT_EQ(takeMessage(), "");
    sql("datranvik.mdb", "UPDATE senhas SET senha1 = 'outra' WHERE login1 = 'joao'");

    FormUsuario& again = openUsers();
    act(again.Cmdalterar, "joao", "3");
    EXPECT_EQ(takeMessage(), "");
    EXPECT_EQ(storedLevel("joao"), "3");
    EXPECT_TRUE(passwords::matches(storedPassword("joao"), "joao"));
    act(again.Cmdalterar, "pedro", "1");
    EXPECT_EQ(takeMessage(), "Usuário não existe");
    EXPECT_EQ(userCount(), 2);
}

TEST_F(UserMaintenance, DeletingRemovesTheUserButNeverKremo) {
    storeUser("joao", "j", "1");
    FormUsuario& window = openUsers();
    act(window.Cmddeletar, "joao", "");
    EXPECT_EQ(takeMessage(), "");
    EXPECT_EQ(userCount(), 1);
    EXPECT_EQ(window.txtusuario.items(), (std::vector<std::string>{"kremo"}));

    const int beeps = desktop.beeps();
    act(window.Cmddeletar, "joao", "");
    EXPECT_EQ(takeMessage(), "Login Invalido");
    EXPECT_EQ(desktop.beeps(), beeps + 1);
    act(window.Cmddeletar, "kremo", "");
    EXPECT_EQ(takeMessage(), "Não pode excluir kremo");
    EXPECT_EQ(userCount(), 1);
}

// The key finds the built-in user in any letter case: "Alterar" under another spelling keeps his name
// as stored, and no spelling deletes him, also where an older station stored another one.
TEST_F(UserMaintenance, TheBuiltInUserKeepsHisNameAndStaysUnderAnySpelling) {
    FormUsuario& window = openUsers();
    act(window.Cmdalterar, "KREMO", "3");
    EXPECT_EQ(takeMessage(), "");
    EXPECT_EQ(window.txtusuario.items(), (std::vector<std::string>{"kremo"}));
    EXPECT_TRUE(passwords::matches(storedPassword("kremo"), "kremo"));
    for (const char* spelling : {"KREMO", "Kremo", "kremo"}) {
        SCOPED_TRACE(spelling);
        act(window.Cmddeletar, spelling, "");
        EXPECT_EQ(takeMessage(), "Não pode excluir kremo");
    }
    EXPECT_EQ(userCount(), 1);

    sql("datranvik.mdb", "UPDATE senhas SET login1 = 'KREMO'");
    act(window.Cmddeletar, "kremo", "");
    EXPECT_EQ(takeMessage(), "Não pode excluir kremo");
    act(window.Cmddeletar, "krémo", "");
    EXPECT_EQ(takeMessage(), "Login Invalido");
    EXPECT_EQ(userCount(), 1);
}

TEST_F(UserMaintenance, AUserWithoutNameOrLevelIsNeitherAddedNorAltered) {
    FormUsuario& window = openUsers();
    struct Case {
        const char* name;
        const char* level;
        const char* message;
    };
    for (forms::CommandButton* button : {&window.Cmdincluir, &window.Cmdalterar}) {
        for (const Case& c :
             {Case{"", "2", "Usuário em branco"}, Case{"   ", "2", "Usuário em branco"},
              Case{"kremo", "", "Poder deve ser de 1 a 3 "}, Case{"kremo", ",", "Poder deve ser de 1 a 3 "},
              Case{"kremo", "12", "Poder deve ser de 1 a 3 "}}) {
            SCOPED_TRACE(button->name() + " '" + c.name + "' '" + c.level + "'");
            const int beeps = desktop.beeps();
            act(*button, c.name, c.level);
            EXPECT_EQ(takeMessage(), c.message);
            EXPECT_EQ(desktop.beeps(), beeps + 1);
        }
    }
    EXPECT_EQ(userCount(), 1);
    EXPECT_EQ(storedLevel("kremo"), "3");
    EXPECT_TRUE(passwords::matches(storedPassword("kremo"), "kremo"));
}

TEST_F(UserMaintenance, TheLevelBoxTakesOnlyOneToThreeAndTheComma) {
    FormUsuario& window = openUsers();
    ws().focusByPerson(window.Txtpoder);
    window.Txtpoder.setText("");
    struct Case {
        int key;
        bool passes;
    };
    for (const Case& c :
         {Case{'1', true}, Case{'2', true}, Case{'3', true}, Case{',', true},
          Case{forms::keys::backspace, true}, Case{forms::keys::enter, true}, Case{'0', false},
          Case{'4', false}, Case{'a', false}, Case{'.', false}, Case{' ', false}}) {
        SCOPED_TRACE(c.key);
        const int beeps = desktop.beeps();
        window.Txtpoder.setText("");
        int key = c.key;
        window.Txtpoder.KeyPress(key);
        EXPECT_EQ(key, c.passes ? c.key : 0);
        EXPECT_EQ(takeMessage(), c.passes ? "" : "Poder deve ser de 1 a 3 ");
        EXPECT_EQ(desktop.beeps(), beeps + (c.passes ? 0 : 1));
    }
    ws().typeText("3x");
    EXPECT_EQ(window.Txtpoder.text(), "3");
}

} // namespace usina::test
