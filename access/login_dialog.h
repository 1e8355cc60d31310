#pragma once
// The one design of the three logins: a name and a password checked against the users table, the
// level of the user who passes going into UserLevel. The dialogs differ only in the level they ask for
// and in what they do once the password was checked; they are hidden, never unloaded, so the name
// typed last is there the next time (the password never is).

#include "core/access_state.h"
#include "core/station_form.h"
#include "platform/forms/command_button.h"
#include "platform/forms/control_array.h"
#include "platform/forms/label.h"
#include "platform/forms/text_box.h"

#include <string>

namespace usina {

class LoginDialog : public StationForm {
public:
    void Form_Load() override;
    // Closing the dialog hides it like Cancel: it keeps its name box.
    void Form_Unload(int& Cancel) override;

    void CmdOk_Click();
    void cmdCancel_Click();

    forms::ControlArray<forms::Label> lblLabels{*this, "lblLabels", 0, 1};
    forms::TextBox txtUserName{*this, "txtUserName"};
    forms::TextBox txtPassword{*this, "txtPassword"};
    forms::CommandButton cmdOK{*this, "cmdOK"};
    forms::CommandButton cmdCancel{*this, "cmdCancel"};

protected:
    LoginDialog(Station& station, std::string name);

    // A name the users table does not hold.
    virtual void afterUnknownUser() {}
    // A wrong password, once UserLevel is "0" and the password box empty and focused.
    virtual void afterWrongPassword() {}
    // The password was right: UserLevel holds the user's level and the dialog is hidden.
    virtual void admit(double level) = 0;

    // A message on the main window's message line.
    void tell(const std::string& text);

    AccessState& access = st.group<AccessState>();

private:
    void layOut();
    void putAway();
    bool findUser();
    bool passwordMatches();
    void refusePassword();
    std::string storedLevel();
};

} // namespace usina
