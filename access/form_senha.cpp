#include "access/form_senha.h"

#include "access/form_usuario.h"
#include "access/login_gate.h"
#include "access/passwords.h"
#include "access/trocasenha.h"
#include "core/access_state.h"
#include "core/design.h"
#include "platform/value/conversions.h"

namespace usina {

using design::captioned;
using design::place;

FormSenha::FormSenha(Station& station) : UsersForm(station, "FormSenha") {
    setCaption("Usuário");
    layOut();
    wireHandlers();
}

void FormSenha::layOut() {
    setClientSize(400, 164);
    captioned(Label2, nullptr, 16, 20, 176, 17, "Digite seu Nome :");
    place(txtnome, nullptr, 200, 16, 184, 21);
    captioned(Label1, nullptr, 16, 52, 176, 17, "Digite sua senha :");
    place(txtsenha, nullptr, 200, 48, 184, 21);
    txtsenha.setPasswordChar("*");
    captioned(botsenha, nullptr, 16, 90, 176, 27, "Trocar Senha");
    captioned(botusu, nullptr, 208, 90, 176, 27, "Usuário");
    captioned(h_senha, nullptr, 16, 130, 176, 21, "Senhas");
}

void FormSenha::wireHandlers() {
    txtnome.KeyPress = [this](int& k) { txtnome_KeyPress(k); };
    txtsenha.KeyPress = [this](int& k) { txtsenha_KeyPress(k); };
    txtnome.LostFocus = [this] { txtnome_LostFocus(); };
    txtsenha.LostFocus = [this] { txtsenha_LostFocus(); };
    botsenha.Click = [this] { botsenha_Click(); };
    botusu.Click = [this] { botusu_Click(); };
}

// Nothing opens before an identification. The password window's name box is left as the last
// identification set it: a user below level 3 who has it open keeps it locked to his own name.
void FormSenha::Form_Load() {
    services.TranslateForm(*this);
    botsenha.setEnabled(false);
    botusu.setEnabled(false);
    h_senha.setEnabled(false);
}

// Leaving the window with "Senhas" clear closes the login gate again, and the level it gave is gone.
void FormSenha::Form_Unload(int& Cancel) {
    (void)Cancel;
    LoginGate& gate = st.group<LoginGate>();
    const bool gateWasOpen = gate.FullAccessFlag == 1;
    gate.FullAccessFlag = h_senha.value() == 1 ? 1 : 0;
    if (gateWasOpen && gate.FullAccessFlag == 0) {
        st.group<AccessState>().UserLevel = std::string("0");
    }
}

void FormSenha::txtnome_KeyPress(int& KeyAscii) {
    enterMovesOn(KeyAscii);
}

void FormSenha::txtsenha_KeyPress(int& KeyAscii) {
    enterMovesOn(KeyAscii);
}

void FormSenha::txtnome_LostFocus() {
    txtsenha.SetFocus();
}

// The identification.
void FormSenha::txtsenha_LostFocus() {
    if (!seekUser(txtnome.text())) {
        refuse("Login Inválido");
        txtnome.SetFocus();
        return;
    }
    if (!VerifyPassword(db.UsersRecordset, txtsenha.text())) {
        refuse("Senha Inválida.");
        txtsenha.SetFocus();
        return;
    }
    users.UserAdminLevel = toText(db.UsersRecordset.field("permissao"));
    users.IdentifiedUserName = txtnome.text();
    openTheWayForLevel(users.UserAdminLevel);
    botsenha.SetFocus();
}

// Level 3 manages the users and the switch; below it a user may change only his own password, and the
// password window locks its name box to him.
void FormSenha::openTheWayForLevel(const std::string& level) {
    const double value = toDouble(Value(level));
    if (value > 2) {
        botsenha.setEnabled(true);
        botusu.setEnabled(true);
        h_senha.setEnabled(true);
    }
    if (value < 3) {
        botsenha.setEnabled(true);
    }
    st.form<trocasenha>().followIdentification();
}

void FormSenha::botsenha_Click() {
    Unload();
    st.form<trocasenha>().Show();
}

void FormSenha::botusu_Click() {
    Unload();
    st.form<FormUsuario>().Show();
}

} // namespace usina
