#pragma once
// How the delivered databases are declared, so the table store knows each field's type.
//
// Declared column types:
//   TEXT      a string
//   DOUBLE    a number (double precision)
//   SMALLINT  a 16-bit whole number (written values go to the nearest whole number, halves to even)
//   INTEGER   a 32-bit whole number (likewise)
//   DATE      a date, stored as "YYYY-MM-DD"
//   TIME      a time of day, stored as "HH:MM:SS"
// A text key is declared `PRIMARY KEY COLLATE PTNOCASE`: keys compare without regard to case for the
// letters of Portuguese (accented ones too), blanks inside and at the end counting, and sort with
// accented letters beside their base letters (key_order.h). `PRAGMA user_version` holds the key order
// version the file's key indexes were built in. A table without a key field of its own is kept in the
// order rows were added (its rowid). The ticket number
// `codigo_cupom` is `INTEGER PRIMARY KEY AUTOINCREMENT`, numbered by the store in increasing order.
// Field names may hold blanks, accents or begin with a digit; SQL always quotes them.

#include "platform/store/key_order/key_order.h"

struct sqlite3;

namespace usina::store {

inline constexpr const char* keyCollation = keyCollationName;

// Registers PTNOCASE on a connection. Every connection that touches the files needs it, the build's
// database maker included.
void registerCollations(sqlite3* db);

} // namespace usina::store
