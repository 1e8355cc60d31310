// The users screen: who may do what after identifying himself, the refusals, and the "Senhas" switch.

#include "access/login_gate.h"
#include "tests/users/users_fixture.h"

#include <fstream>
#include <iterator>

namespace usina::test {

TEST_F(UsersTest, EachLevelOpensItsOwnWay) {
    storeUser("operador", "op1", "1");
    storeUser("encarregado", "enc2", "2");
    storeUser("gerente", "ger3", "3");
    struct Case {
        const char* name;
        const char* password;
        bool manages;
    };
    for (const Case& c : {Case{"operador", "op1", false}, Case{"encarregado", "enc2", false},
                          Case{"gerente", "ger3", true}}) {
        SCOPED_TRACE(c.name);
        FormSenha& window = identify(c.name, c.password);
        EXPECT_EQ(takeMessage(), "");
        EXPECT_TRUE(window.botsenha.enabled());
        EXPECT_TRUE(window.botsenha.hasFocus());
        EXPECT_EQ(window.botusu.enabled(), c.manages);
        EXPECT_EQ(window.h_senha.enabled(), c.manages);
        EXPECT_EQ(usersState().UserAdminLevel, c.manages                           ? "3"
                                               : c.name == std::string("operador") ? "1"
                                                                                   : "2");
        // Below level 3 only his own password can be changed: his name is preset and locked.
        EXPECT_EQ(troca().txtnome.enabled(), c.manages);
        if (!c.manages) {
            EXPECT_EQ(troca().txtnome.text(), c.name);
        }
    }
}

TEST_F(UsersTest, UnknownNameAndWrongPasswordAreRefused) {
    storeUser("maria", "Segredo", "2");
    const int beeps = desktop.beeps();
    EXPECT_TRUE(identify("joana", "Segredo").txtnome.hasFocus());
    EXPECT_EQ(takeMessage(), "Login Inválido");
    EXPECT_EQ(desktop.beeps(), beeps + 1);

    // The comparison is exact: another letter case is another password.
    for (const char* wrong : {"segredo", "SEGREDO", "Segredo ", ""}) {
        SCOPED_TRACE(wrong);
        FormSenha& window = identify("maria", wrong);
        EXPECT_EQ(takeMessage(), "Senha inválida.");
        EXPECT_TRUE(window.txtsenha.hasFocus());
        EXPECT_FALSE(window.botsenha.enabled());
    }
    EXPECT_EQ(desktop.beeps(), beeps + 5);
    // The name is a key, found in any letter case.
    EXPECT_TRUE(identify("MARIA", "Segredo").botsenha.enabled());
    EXPECT_EQ(takeMessage(), "");
}

TEST_F(UsersTest, TheDeliveredUserIdentifiesWithHisNameAsPassword) {
    EXPECT_TRUE(passwords::isHash(storedPassword("kremo")));
    EXPECT_FALSE(passwords::needsNewHash(storedPassword("kremo")));
    identify("kremo", "Kremo");
    EXPECT_EQ(takeMessage(), "Senha inválida.");
    FormSenha& window = identify("kremo", "kremo");
    EXPECT_EQ(takeMessage(), "");
    EXPECT_TRUE(window.botusu.enabled());
}

// A users file from an older installation holds passwords as typed: each is taken once, exactly, and
// replaced by its hash; a wrong one leaves it as it was.
TEST_F(UsersTest, APasswordStoredAsTypedIsHashedAtItsFirstIdentification) {
    sql("datranvik.mdb", "INSERT INTO senhas (login1, senha1, permissao) VALUES ('antigo', 'Velha1', '1')");
    identify("antigo", "velha1");
    EXPECT_EQ(takeMessage(), "Senha inválida.");
    EXPECT_EQ(storedPassword("antigo"), "Velha1");

    identify("antigo", "Velha1");
    EXPECT_EQ(takeMessage(), "");
    const std::string hashed = storedPassword("antigo");
    EXPECT_TRUE(passwords::isHash(hashed)) << hashed;
    EXPECT_TRUE(passwords::matches(hashed, "Velha1"));
    EXPECT_FALSE(passwords::matches(hashed, "velha1"));
    // From now on the hash answers, and stays as it is.
    identify("antigo", "Velha1");
    EXPECT_EQ(takeMessage(), "");
    EXPECT_EQ(storedPassword("antigo"), hashed);
}

// The raw bytes of the users' file and of its log: the password as typed is gone from both once hashed,
// though an older installation's file, or a hand reset while the station runs, put it there.
TEST_F(UsersTest, APasswordHashedFromPlainTextLeavesNoCopyInTheFileOrItsLog) {
    const std::string typed = "Legivel-8431";
    sql("datranvik.mdb", "INSERT INTO senhas (login1, senha1, permissao) VALUES ('antigo', '" + typed +
                             "', '1'), ('velho', 'Outra-77', '2')");
    const auto onDisk = [&] {
        std::string bytes;
        for (const char* file : {"datranvik.mdb", "datranvik.mdb-wal"}) {
            std::ifstream in(folder.path() / file, std::ios::binary);
            bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        return bytes.find(typed) != std::string::npos;
    };
    ASSERT_TRUE(onDisk());
    identify("antigo", typed);
    EXPECT_EQ(takeMessage(), "");
    EXPECT_TRUE(passwords::isHash(storedPassword("antigo")));
    EXPECT_FALSE(onDisk());
}

TEST_F(UsersTest, AHashOfAnotherCostIsHashedAnewAtTheNextIdentification) {
    char cheap[crypto_pwhash_STRBYTES];
    ASSERT_EQ(crypto_pwhash_str(cheap, "barato", 6, crypto_pwhash_OPSLIMIT_MIN, 8192), 0);
    sql("datranvik.mdb",
        std::string("INSERT INTO senhas (login1, senha1, permissao) VALUES ('leve', '") + cheap + "', '2')");
    identify("leve", "barato");
    EXPECT_EQ(takeMessage(), "");
    const std::string stored = storedPassword("leve");
    EXPECT_NE(stored, cheap);
    EXPECT_FALSE(passwords::needsNewHash(stored));
    EXPECT_TRUE(passwords::matches(stored, "barato"));
}

TEST_F(UsersTest, ANullPasswordMatchesNothing) {
    sql("datranvik.mdb", "INSERT INTO senhas (login1, senha1, permissao) VALUES ('vazio', NULL, '3')");
    identify("vazio", "");
    EXPECT_EQ(takeMessage(), "Senha inválida.");
    EXPECT_FALSE(senha().botusu.enabled());
}

// The switch is read as the window is left, however it is left; the next opening starts clear.
TEST_F(UsersTest, TheSenhasSwitchSetsTheFullAccessFlagAsTheWindowIsLeft) {
    EXPECT_EQ(station->group<LoginGate>().FullAccessFlag, 0);
    FormSenha& window = identify("kremo", "kremo");
    ws().click(window.h_senha);
    EXPECT_EQ(window.h_senha.value(), 1);
    EXPECT_EQ(station->group<LoginGate>().FullAccessFlag, 0);
    ws().closeByPerson(window);
    EXPECT_EQ(ws().peek<FormSenha>(), nullptr);
    EXPECT_EQ(station->group<LoginGate>().FullAccessFlag, 1);

    // Opened again: everything starts disabled and clear; leaving it so closes the gate.
    FormSenha& again = senha();
    again.Show();
    EXPECT_EQ(again.h_senha.value(), 0);
    EXPECT_FALSE(again.h_senha.enabled());
    ws().closeByPerson(again);
    EXPECT_EQ(station->group<LoginGate>().FullAccessFlag, 0);

    // Leaving through a button reads the switch too.
    FormSenha& third = identify("kremo", "kremo");
    ws().click(third.h_senha);
    ws().click(third.botusu);
    EXPECT_EQ(ws().peek<FormSenha>(), nullptr);
    EXPECT_TRUE(usuario().visible());
    EXPECT_EQ(station->group<LoginGate>().FullAccessFlag, 1);
}

TEST_F(UsersTest, EnterMovesFromTheNameToThePassword) {
    FormSenha& window = senha();
    window.Show();
    ws().focusByPerson(window.txtnome);
    typeAndEnter("kremo");
    EXPECT_TRUE(window.txtsenha.hasFocus());
    EXPECT_EQ(window.txtnome.text(), "kremo");
}

} // namespace usina::test
