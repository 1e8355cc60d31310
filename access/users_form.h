#pragma once
// The base of the three users windows: what each of them does with the users table, the message line
// and the Enter key.

#include "access/users_state.h"
#include "core/station_form.h"

#include <string>

namespace usina {

class UsersForm : public StationForm {
public:
    UsersForm(Station& station, std::string name)
        : StationForm(station, std::move(name)), users(station.group<UsersState>()) {}

protected:
    // Moves to the first user and seeks `name` on the key; true when a row is found (the current row).
    bool seekUser(const std::string& name);
    // A message on the main window's message line, in the interface language; refuse() also beeps.
    void tell(const std::string& text);
    void refuse(const std::string& text);
    // Enter moves on to the next box, as Tab does.
    void enterMovesOn(int& KeyAscii);

    UsersState& users;
};

} // namespace usina
