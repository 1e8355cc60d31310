#pragma once
// The order of text keys (mix names, user names, interface texts), as the plant's old database engine
// sorted them. One implementation serves the station and the extension that stock SQLite tools load, so
// both walk a key index the same way; it depends on nothing but the standard library.

#include <string_view>

namespace usina::store {

// The collation that text key columns declare (`PRIMARY KEY COLLATE PTNOCASE`).
inline constexpr const char* keyCollationName = "PTNOCASE";

// Raised whenever compareKeys orders existing keys differently: the station rebuilds the key indexes of a
// file built under an older order before it uses them, and the database maker stamps new files with it.
inline constexpr int keyOrderVersion = 1;

// Negative, zero or positive, in three steps:
//   1. the letters without accents or case: "Água" sorts beside "agua", not after "Zinco"; æ, œ, ß and þ
//      count as ae, oe, ss and th; blanks, digits and other signs by their code, blanks first;
//   2. then the accents from the left, a letter without one first: agua < água, acao < acão < ação;
//   3. then, where only the case of a letter outside Latin-1 differs (Š, š), the letter's code.
// Case alone never orders two texts: "AÇÃO" and "ação" are one key, "acao" and "ação" two, and blanks
// inside and at the end count. Bytes that are no UTF-8 sort after every letter, one by one.
int compareKeys(std::string_view a, std::string_view b) noexcept;

// compareKeys as SQLite calls a collation (never throws, as a C callback must not).
int compareKeysForSqlite(void* unused, int lengthA, const void* a, int lengthB, const void* b) noexcept;

} // namespace usina::store
