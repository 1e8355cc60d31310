#pragma once
// The switch of the users screen that leaves the login gate open: while it is 1, the start button and
// the mix editor's menu item act as if a level-3 user were logged in. It lives in memory only, so
// every start of the program begins with the gate closed.

#include <cstdint>

namespace usina {

struct LoginGate {
    std::int16_t FullAccessFlag = 0;
};

} // namespace usina
