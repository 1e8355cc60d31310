#pragma once
// Runs a piece of a test as a user without special rights: as root, a file's protection means nothing,
// so a read-only folder or file can only be tried by someone else. Not root: runs it as it is.

#include <functional>
#include <string>

namespace usina::store::testing {

// The text `action` returns, produced in a child process that gave up root for the "nobody" user
// (the files it needs must be open to that user).
std::string runUnprivileged(const std::function<std::string()>& action);

} // namespace usina::store::testing
