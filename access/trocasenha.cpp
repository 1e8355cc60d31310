#include "access/trocasenha.h"

#include "access/passwords.h"
#include "access/user_level.h"
#include "core/design.h"

namespace usina {

using design::captioned;
using design::place;

trocasenha::trocasenha(Station& station) : UsersForm(station, "trocasenha") {
    setCaption("Troca de Senha");
    layOut();
    wireHandlers();
}

void trocasenha::layOut() {
    setClientSize(360, 116);
    captioned(Label1, nullptr, 16, 20, 136, 17, "Usuário");
    place(txtnome, nullptr, 160, 16, 184, 21);
    captioned(Label2, nullptr, 16, 52, 136, 17, "Nova Senha");
    place(txtsenha, nullptr, 160, 48, 184, 21);
    txtsenha.setPasswordChar("*");
    captioned(Label3, nullptr, 16, 84, 136, 17, "Confirma");
    place(txtconfirma, nullptr, 160, 80, 184, 21);
    txtconfirma.setPasswordChar("*");
}

void trocasenha::wireHandlers() {
    txtnome.KeyPress = [this](int& k) { txtnome_KeyPress(k); };
    txtsenha.KeyPress = [this](int& k) { txtsenha_KeyPress(k); };
    txtconfirma.KeyPress = [this](int& k) { txtconfirma_KeyPress(k); };
    txtnome.LostFocus = [this] { txtnome_LostFocus(); };
    txtsenha.LostFocus = [this] { txtsenha_LostFocus(); };
    txtconfirma.LostFocus = [this] { txtconfirma_LostFocus(); };
}

void trocasenha::Form_Load() {
    services.TranslateForm(*this);
    followIdentification();
}

bool trocasenha::mayNameAnyUser() const {
    return userLevelValue(users.UserAdminLevel) >= 3;
}

void trocasenha::followIdentification() {
    if (mayNameAnyUser()) {
        txtnome.setEnabled(true);
        return;
    }
    txtnome.setText(users.IdentifiedUserName);
    txtnome.setEnabled(false);
}

void trocasenha::txtnome_KeyPress(int& KeyAscii) {
    enterMovesOn(KeyAscii);
}

void trocasenha::txtsenha_KeyPress(int& KeyAscii) {
    enterMovesOn(KeyAscii);
}

void trocasenha::txtconfirma_KeyPress(int& KeyAscii) {
    enterMovesOn(KeyAscii);
}

void trocasenha::txtnome_LostFocus() {
    if (!seekUser(txtnome.text())) {
        refuse("Login Inválido");
        txtnome.SetFocus();
        return;
    }
    txtsenha.SetFocus();
}

void trocasenha::txtsenha_LostFocus() {
    txtconfirma.SetFocus();
}

// The change of password. The identification in the users screen stands for the old password.
void trocasenha::txtconfirma_LostFocus() {
    if (!bothPasswordsTyped() || !passwordsAgree()) {
        return;
    }
    storeNewPassword();
}

bool trocasenha::bothPasswordsTyped() {
    if (txtsenha.text().empty() || txtconfirma.text().empty()) {
        refuse("Senha em Branco");
        return false;
    }
    return true;
}

bool trocasenha::passwordsAgree() {
    if (txtsenha.text() != txtconfirma.text()) {
        refuse("Senhas diferentes");
        txtsenha.SetFocus();
        txtsenha.setText("");
        txtconfirma.setText("");
        return false;
    }
    return true;
}

// The users table's current row is shared with the logins, which may have moved it since the name was
// checked: the row is sought again, by the name shown or, below level 3, by the identified user's own.
void trocasenha::storeNewPassword() {
    if (!seekUser(mayNameAnyUser() ? txtnome.text() : users.IdentifiedUserName)) {
        refuse("Login Inválido");
        return;
    }
    db.UsersRecordset("senha1") = Value(HashPassword(txtconfirma.text()));
    db.UsersRecordset.update();
    tell("Senha Alterada ");
    Unload();
}

} // namespace usina
