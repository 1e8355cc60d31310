#pragma once
// Who is logged in: read by every subsystem, written by the logins and the windows that log out.

#include <string>

namespace usina {

struct AccessState {
    // The level, as text, of the user who passed the last login; "0" is nobody.
    std::string UserLevel = "0";
    // The user who last passed the start login (printed on the load ticket).
    std::string CurrentUserName;
    // The start login's name box as it was last left (written into every production record).
    std::string LoginUserName;
};

} // namespace usina
