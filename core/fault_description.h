#pragma once
// What an error that reached the top says: the number and the Portuguese description the error log
// stores, and for a fault of the program itself (a library's exception, in English) the detail a
// maintainer finds on the standard error.

#include <exception>
#include <string>

namespace usina {

struct FaultDescription {
    int number = 0;
    std::string description;
    std::string detail; // empty for a run-time error, which says it all in its description
};

FaultDescription describeFault(const std::exception_ptr& error);

} // namespace usina
