#pragma once
// The users screens' state: who identified himself there, and the switch that leaves the login gate
// open. Both live in memory only: every start begins with the gate closed.

#include <cstdint>
#include <string>

namespace usina {

struct UsersState {
    // The level, as text, of the user identified last in the users screen.
    std::string UserAdminLevel;
    // 1 while the users screen's "Senhas" switch was left ticked: starting and the mix editor need no
    // login then.
    std::int16_t FullAccessFlag = 0;
};

} // namespace usina
