#include "access/login_dialogs.h"

#include "core/main_window_port.h"
#include "platform/forms/list_control.h"
#include "platform/value/text.h"
#include "setup/form_altera_rec.h"
#include "setup/form_config.h"

namespace usina {

FormLogin1::FormLogin1(Station& station) : LoginDialog(station, "FormLogin1") {}

void FormLogin1::Form_Activate() {
    if (!trimBlanks(txtUserName.text()).empty()) {
        txtPassword.SetFocus();
    }
}

void FormLogin1::afterUnknownUser() {
    txtPassword.setText("");
}

void FormLogin1::admit(double level) {
    if (level > 2) {
        st.form<FormConfig>().Show();
    } else {
        tell("Você não tem acesso as configurações!");
    }
}

FormLogin3::FormLogin3(Station& station) : LoginDialog(station, "FormLogin3") {}

void FormLogin3::admit(double level) {
    if (level > 1) {
        st.form<FormAltera_rec>().Show();
    } else {
        tell("Você não acesso aos Traços");
    }
}

FormLogin5::FormLogin5(Station& station) : LoginDialog(station, "FormLogin5") {
    txtUserName.LostFocus = [this] { txtUserName_LostFocus(); };
}

void FormLogin5::txtUserName_LostFocus() {
    access.LoginUserName = txtUserName.text();
}

void FormLogin5::afterWrongPassword() {
    reloadMainWindow();
}

void FormLogin5::admit(double level) {
    access.CurrentUserName = txtUserName.text();
    tell(level > 0 ? "Acesso liberado!" : "Você não tem permissão para iniciar a usina!");
    reloadMainWindow();
}

void FormLogin5::reloadMainWindow() {
    st.ws().setFocusOrRun(st.mainWindow().DBCombomist());
}

} // namespace usina
