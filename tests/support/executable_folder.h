#pragma once
// Where the running program lies, so that a benchmark copied or run from anywhere finds the programs
// and databases built beside it.

#include <filesystem>
#include <string>

namespace usina::test {

std::filesystem::path executableFolder();

// `name` beside the running program when it is there, else `builtAt` (where the build put it).
std::string besideExecutableOr(const std::string& name, const std::string& builtAt);

} // namespace usina::test
