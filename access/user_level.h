#pragma once
// A user's level as the windows compare it: the stored or held text read as a number. A text that is
// no number (a level left empty in the users table) counts as nobody, never as an error.

#include <string>

namespace usina {

double userLevelValue(const std::string& level);

} // namespace usina
