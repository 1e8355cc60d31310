#include "access/users_form.h"

#include "platform/forms/key_codes.h"

namespace usina {

bool UsersForm::seekUser(const std::string& name) {
    db.UsersRecordset.moveFirst();
    db.UsersRecordset.seek(Value(name));
    return !db.UsersRecordset.eof();
}

void UsersForm::tell(const std::string& text) {
    services.ShowOccurrence(services.TranslateText(text));
}

void UsersForm::refuse(const std::string& text) {
    tell(text);
    st.ws().beep();
}

void UsersForm::enterMovesOn(int& KeyAscii) {
    if (KeyAscii == forms::keys::enter) {
        KeyAscii = 0;
        st.ws().sendKeys("{TAB}");
    }
}

} // namespace usina
