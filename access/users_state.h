#pragma once
// The users screens' state: who identified himself there (the switch that leaves the login gate open is
// the login gate's own, access/login_gate.h).

#include <string>

namespace usina {

struct UsersState {
    // The level, as text, of the user identified last in the users screen, and his name as typed.
    std::string UserAdminLevel;
    std::string IdentifiedUserName;
};

} // namespace usina
