#pragma once
// The users screen: a user identifies himself, then changes his password, or, at level 3, manages the
// users and sets the "Senhas" switch that leaves the login gate open. Unloaded each time it is left.

#include "access/users_form.h"
#include "platform/forms/check_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/label.h"
#include "platform/forms/text_box.h"

namespace usina {

class FormSenha : public UsersForm {
public:
    explicit FormSenha(Station& station);

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void txtnome_KeyPress(int& KeyAscii);
    void txtsenha_KeyPress(int& KeyAscii);
    void txtnome_LostFocus();
    void txtsenha_LostFocus();
    void botsenha_Click();
    void botusu_Click();

    forms::Label Label2{*this, "Label2"};
    forms::TextBox txtnome{*this, "txtnome"};
    forms::Label Label1{*this, "Label1"};
    forms::TextBox txtsenha{*this, "txtsenha"};
    forms::CommandButton botsenha{*this, "botsenha"};
    forms::CommandButton botusu{*this, "botusu"};
    forms::CheckBox h_senha{*this, "h_senha"};

private:
    void layOut();
    void wireHandlers();
    // The steps of the identification.
    void openTheWayForLevel(const std::string& level);
};

} // namespace usina
