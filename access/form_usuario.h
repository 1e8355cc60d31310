#pragma once
// The users list of a level-3 user: adding, altering and deleting users. A new or altered user's
// password is his user name; "kremo" can never be deleted.

#include "access/users_form.h"
#include "platform/forms/command_button.h"
#include "platform/forms/label.h"
#include "platform/forms/list_control.h"
#include "platform/forms/text_box.h"

namespace usina {

class FormUsuario : public UsersForm {
public:
    explicit FormUsuario(Station& station);

    // The built-in user that is never deleted.
    static constexpr const char* protectedName = "kremo";

    void Form_Load() override;
    void txtusuario_Click();
    void Txtpoder_KeyPress(int& KeyAscii);
    void Cmdincluir_Click();
    void Cmdalterar_Click();
    void Cmddeletar_Click();

    forms::Label Label1{*this, "Label1"};
    forms::ComboBox txtusuario{*this, "txtusuario"};
    forms::Label Label2{*this, "Label2"};
    forms::TextBox Txtpoder{*this, "Txtpoder"};
    forms::CommandButton Cmdincluir{*this, "Cmdincluir"};
    forms::CommandButton Cmdalterar{*this, "Cmdalterar"};
    forms::CommandButton Cmddeletar{*this, "Cmddeletar"};

private:
    void layOut();
    void wireHandlers();
    // The list of users in key order, the first one shown.
    void fillUserList();
    // A user to store needs a name and a level of 1, 2 or 3.
    bool userIsComplete();
    // Name, level, and the name as the password.
    void writeUserRow(const std::string& name);
};

} // namespace usina
