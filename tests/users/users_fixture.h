#pragma once
// A started station whose users screens are driven as a person drives them: typing, Enter, clicks.

#include "access/form_senha.h"
#include "access/form_usuario.h"
#include "access/passwords.h"
#include "access/trocasenha.h"
#include "access/users_state.h"
#include "platform/forms/key_codes.h"
#include "tests/station/station_fixture.h"

#include <sodium.h>

#include <string>

namespace usina::test {

class UsersTest : public StationTest {
protected:
    void SetUp() override { start(); }

    forms::WindowSystem& ws() { return station->ws(); }
    UsersState& usersState() { return station->group<UsersState>(); }
    FormSenha& senha() { return station->form<FormSenha>(); }
    trocasenha& troca() { return station->form<trocasenha>(); }
    FormUsuario& usuario() { return station->form<FormUsuario>(); }

    // A user stored with his password hashed, as the station stores it.
    void storeUser(const std::string& name, const std::string& password, const std::string& level) {
        database("datranvik.mdb")
            .query("INSERT INTO senhas (login1, senha1, permissao) VALUES (?, ?, ?)",
                   {name, HashPassword(password), level});
    }
    std::string storedPassword(const std::string& name) const {
        return database("datranvik.mdb").scalar("SELECT senha1 FROM senhas WHERE login1 = ?", {name}).text;
    }
    int userCount() const {
        return static_cast<int>(database("datranvik.mdb").scalar("SELECT count(*) FROM senhas").number);
    }

    // Types into the box that has the focus and leaves it with Enter.
    void typeAndEnter(const std::string& text) {
        ws().typeText(text);
        ws().pressKey(forms::keys::enter, 0, forms::keys::enter);
    }
    // The users screen opened afresh, as the menu opens it, with the name and the password typed, each
    // confirmed with Enter. (A window left open after a wrong password keeps the focus in the password
    // box: only the right password or closing the window lets the person out.)
    FormSenha& identify(const std::string& name, const std::string& password) {
        if (FormSenha* open = ws().peek<FormSenha>()) {
            ws().closeByPerson(*open);
        }
        FormSenha& window = senha();
        window.Show();
        typeAndEnter(name);
        typeAndEnter(password);
        return window;
    }
    // The message line's text, taken off the line so the next message can show.
    std::string takeMessage() {
        const std::string text = main().LblOcorrenc.caption();
        main().LblOcorrenc.setCaption("");
        return text;
    }
};

} // namespace usina::test
