// The menus of the main window. The set-up screens and the logins sit below this folder and are shown
// by type; the export, the users, the language and the reports sit above it and are shown by name.

#include "access/login_dialogs.h"
#include "access/user_level.h"
#include "plant/form_ranvikv5.h"
#include "setup/form_altera_rec.h"

namespace usina {

// The mix editor needs level 2, unless the users screen left the login gate open.
void FormRanvikv5::mnualt_Click() {
    services.RunTrapped(name(), "mnualt", [this] {
        if (gate.FullAccessFlag == 1) {
            access.UserLevel = "3";
        }
        if (userLevelValue(access.UserLevel) < 2) {
            auto& login = st.form<FormLogin3>();
            login.Show();
            login.txtPassword.setText("");
        } else {
            st.form<FormAltera_rec>().Show();
        }
    });
}

void FormRanvikv5::mnugra_Click() {
    services.RunTrapped(name(), "mnugra", [this] { st.formNamed("FormDatas").Show(); });
}

// Any user may reach his own password: no login first.
void FormRanvikv5::mnusenha_Click() {
    services.RunTrapped(name(), "mnusenha", [this] { st.formNamed("FormSenha").Show(); });
}

void FormRanvikv5::mnulingua_Click() {
    st.formNamed("Idioma").Show();
}

void FormRanvikv5::mnusai_Click() {
    services.RunTrapped(name(), "mnusai", [this] { Unload(); });
}

// The constants screen asks for a fresh login every time.
void FormRanvikv5::mnusil_Click() {
    services.RunTrapped(name(), "mnusil", [this] {
        access.UserLevel = "0";
        auto& login = st.form<FormLogin1>();
        login.Show();
        login.txtPassword.setText("");
    });
}

void FormRanvikv5::mnurelplacas_Click() {
    services.RunTrapped(name(), "mnurelplacas", [this] { st.formNamed("FormRelPlaca").Show(); });
}

void FormRanvikv5::mnurelprod_Click() {
    services.RunTrapped(name(), "mnurelprod", [this] { st.formNamed("FormRelProducao").Show(); });
}

void FormRanvikv5::mnuRelConMat_Click() {
    services.RunTrapped(name(), "mnuRelConMat", [this] { st.formNamed("FormRelMateriais").Show(); });
}

void FormRanvikv5::mnuRelTemp_Click() {
    services.RunTrapped(name(), "mnuRelTemp", [this] { st.formNamed("FormRelTemp").Show(); });
}

void FormRanvikv5::mnuout_Click() {
    services.RunTrapped(name(), "mnuout", [this] { Unload(); });
}

} // namespace usina
