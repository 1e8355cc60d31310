#pragma once
// The change of password. Its name box follows the last identification in the users screen: a user
// below level 3 finds his own name there, locked. It closes itself after a change.

#include "access/users_form.h"
#include "platform/forms/label.h"
#include "platform/forms/text_box.h"

namespace usina {

class trocasenha : public UsersForm {
public:
    explicit trocasenha(Station& station);

    void Form_Load() override;
    // Presets and locks the name box to the user identified last, unless he is of level 3.
    void followIdentification();
    void txtnome_KeyPress(int& KeyAscii);
    void txtsenha_KeyPress(int& KeyAscii);
    void txtconfirma_KeyPress(int& KeyAscii);
    void txtnome_LostFocus();
    void txtsenha_LostFocus();
    void txtconfirma_LostFocus();

    forms::Label Label1{*this, "Label1"};
    forms::TextBox txtnome{*this, "txtnome"};
    forms::Label Label2{*this, "Label2"};
    forms::TextBox txtsenha{*this, "txtsenha"};
    forms::Label Label3{*this, "Label3"};
    forms::TextBox txtconfirma{*this, "txtconfirma"};

private:
    void layOut();
    void wireHandlers();
    // The steps of the change.
    bool bothPasswordsTyped();
    bool passwordsAgree();
    void storeNewPassword();
    bool mayNameAnyUser() const;
};

} // namespace usina
