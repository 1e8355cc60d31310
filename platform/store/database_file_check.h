#pragma once
// What must hold before SQLite is let near a file: it is there, it is a regular file (a FIFO would
// block the opening for good) and it is not empty (SQLite would take an empty file for a new database
// and write one into it).

#include <filesystem>

namespace usina::store {

// Throws StoreError (missingFile, notARegularFile or emptyFile) naming the file; touches nothing.
void checkDatabaseFile(const std::filesystem::path& file);

} // namespace usina::store
