#include "access/passwords.h"

#include "platform/store/table_recordset.h"
#include "platform/value/conversions.h"
#include "platform/value/run_time_error.h"
#include "platform/value/value.h"

#include <sodium.h>

#include <array>

namespace usina {

namespace {

constexpr int outOfMemory = 7;

// Safe to call from any thread and any number of times; libsodium picks its fastest code here.
void startSodium() {
    static const bool started = sodium_init() >= 0;
    if (!started) {
        throw RunTimeError(outOfMemory, "Não foi possível iniciar a biblioteca de senhas");
    }
}

// Every hash this station writes or has written starts so; libsodium also verifies the older Argon2i.
constexpr std::string_view hashPrefix = "$argon2";

} // namespace

namespace passwords {

bool isHash(const std::string& stored) {
    return stored.starts_with(hashPrefix);
}

bool matches(const std::string& stored, const std::string& typed) {
    if (!isHash(stored)) {
        return stored == typed;
    }
    startSodium();
    return crypto_pwhash_str_verify(stored.c_str(), typed.data(), typed.size()) == 0;
}

bool needsNewHash(const std::string& stored) {
    if (!isHash(stored)) {
        return true;
    }
    startSodium();
    return crypto_pwhash_str_needs_rehash(stored.c_str(), opsLimit, memLimit) != 0;
}

} // namespace passwords

std::string HashPassword(const std::string& typed) {
    startSodium();
    std::array<char, crypto_pwhash_STRBYTES> hashed{};
    if (crypto_pwhash_str(hashed.data(), typed.data(), typed.size(), passwords::opsLimit,
                          passwords::memLimit) != 0) {
        throw RunTimeError(outOfMemory, "Memória insuficiente para guardar a senha");
    }
    return std::string(hashed.data());
}

bool VerifyPassword(store::TableRecordset& users, const std::string& typed) {
    if (users.eof()) {
        return false;
    }
    const Value field = users.field("senha1");
    if (field.isNull()) {
        return false;
    }
    const std::string stored = toText(field);
    if (!passwords::matches(stored, typed)) {
        return false;
    }
    if (passwords::needsNewHash(stored)) {
        users("senha1") = Value(HashPassword(typed));
        users.update();
        // The old value, perhaps the password as typed, must not stay readable in the file or its log.
        users.purgeOldVersions();
    }
    return true;
}

} // namespace usina
