// The sequence of checks every login runs, and its design.

#include "access/login_dialog.h"

#include "access/passwords.h"
#include "access/user_level.h"
#include "core/design.h"
#include "platform/value/conversions.h"

namespace usina {

using design::captioned;
using design::place;

LoginDialog::LoginDialog(Station& station, std::string name) : StationForm(station, std::move(name)) {
    layOut();
    cmdOK.Click = [this] { CmdOk_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void LoginDialog::layOut() {
    setCaption("Login");
    setClientSize(292, 118);
    setBorderStyle(forms::BorderStyle::FixedDialog);
    captioned(lblLabels[0], nullptr, 12, 18, 72, 17, "Usuário:");
    captioned(lblLabels[1], nullptr, 12, 50, 72, 17, "Senha:");
    place(txtUserName, nullptr, 88, 14, 188, 21);
    place(txtPassword, nullptr, 88, 46, 188, 21);
    txtPassword.setPasswordChar("*");
    captioned(cmdOK, nullptr, 52, 80, 88, 28, "OK");
    captioned(cmdCancel, nullptr, 152, 80, 88, 28, "Cancelar");
}

void LoginDialog::Form_Load() {
    services.TranslateForm(*this);
    txtPassword.setText("");
}

void LoginDialog::Form_Unload(int& Cancel) {
    Cancel = 1;
    putAway();
}

// Hidden between uses with the name kept and the password gone: every showing asks for it afresh, so a
// log-out (the stop of the plant, the constants menu) is not undone by pressing OK again.
void LoginDialog::putAway() {
    txtPassword.setText("");
    Hide();
}

void LoginDialog::tell(const std::string& text) {
    services.ShowOccurrence(services.TranslateText(text));
}

void LoginDialog::CmdOk_Click() {
    if (txtUserName.text().empty()) {
        tell("Preencha o seu login!");
        return;
    }
    if (!findUser()) {
        tell("Não existe este login!");
        afterUnknownUser();
        return;
    }
    if (!passwordMatches()) {
        refusePassword();
        afterWrongPassword();
        return;
    }
    const std::string level = storedLevel();
    access.UserLevel = level;
    putAway();
    admit(userLevelValue(level));
}

void LoginDialog::cmdCancel_Click() {
    putAway();
}

// The key lookup is the table's own (letter case aside); the row found stays current for the checks.
bool LoginDialog::findUser() {
    db.UsersRecordset.moveFirst();
    db.UsersRecordset.seek(Value(txtUserName.text()));
    return !db.UsersRecordset.eof();
}

// Exact and case-sensitive against the stored hash; a password still stored as typed is hashed at once.
bool LoginDialog::passwordMatches() {
    return VerifyPassword(db.UsersRecordset, txtPassword.text());
}

// The password box is emptied and focused, and the queued keys select what it holds when they run.
void LoginDialog::refusePassword() {
    tell("Senha inválida.");
    access.UserLevel = std::string("0");
    txtPassword.setText("");
    txtPassword.SetFocus();
    st.ws().sendKeys("{Home}+{End}");
}

std::string LoginDialog::storedLevel() {
    Value stored = db.UsersRecordset.field("permissao");
    return toText(services.NullToEmpty(stored));
}

} // namespace usina
