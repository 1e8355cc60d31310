#pragma once
// The three logins: before the constants screen (level 3), before the mix editor (level 2 or more) and
// before the start of the plant (level 1 or more).

#include "access/login_dialog.h"

namespace usina {

class FormLogin1 : public LoginDialog {
public:
    explicit FormLogin1(Station& station);
    // A name from last time: the password is all that is left to type.
    void Form_Activate() override;

private:
    void afterUnknownUser() override;
    void admit(double level) override;
};

class FormLogin3 : public LoginDialog {
public:
    explicit FormLogin3(Station& station);

private:
    void admit(double level) override;
};

// Its name box, as it was last left, names the user in every production record.
class FormLogin5 : public LoginDialog {
public:
    explicit FormLogin5(Station& station);
    void txtUserName_LostFocus();

private:
    void afterWrongPassword() override;
    void admit(double level) override;
    // The main window reloads the mix list, the mix in use and the constants, whatever the login gave.
    void reloadMainWindow();
};

} // namespace usina
