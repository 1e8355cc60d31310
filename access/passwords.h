#pragma once
// Passwords are kept as salted, slow hashes (Argon2id), never as typed. A users file from an older
// installation still holds passwords as typed: such a password is accepted once, exactly as typed, and
// replaced by its hash at that login.

#include <string>

namespace usina::store {
class TableRecordset;
}

namespace usina {

// What the users table stores for the password `typed`: a fresh salt each time, in the text form that
// names its own method and cost ("$argon2id$v=19$m=...,t=...,p=1$salt$hash").
std::string HashPassword(const std::string& typed);

// Is `typed` the password of the users table's current row (senha1)? The comparison is exact and
// case-sensitive. A password found stored as typed, or hashed at another cost, is hashed anew and saved
// in that row at once, and the old value is purged from the file and its log. No current row, or a Null
// password: false.
bool VerifyPassword(store::TableRecordset& users, const std::string& typed);

namespace passwords {

// The cost of one hash or verification: about 50 ms of one core of a current PC (bench/passwords), so a
// login never holds the screen noticeably, while 32 MiB of memory per guess makes guessing dear.
inline constexpr unsigned long long opsLimit = 2;
inline constexpr std::size_t memLimit = 32u * 1024 * 1024;

// A stored value that is a hash (of any cost) rather than a password as typed.
bool isHash(const std::string& stored);
// The exact comparison of a stored value (hash or as typed) with a typed password.
bool matches(const std::string& stored, const std::string& typed);
// A stored value that must be replaced by a hash at the next correct login.
bool needsNewHash(const std::string& stored);

} // namespace passwords

} // namespace usina
