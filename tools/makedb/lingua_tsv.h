#pragma once
// The translation table as delivered: UTF-8, TAB-separated, one header line, then one interface text
// per line with its six translations. Blanks inside cells are kept exactly: keys end in blanks on
// purpose. The cell "\N" stands for Null.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace usina::makedb {

inline constexpr std::array<const char*, 7> linguaColumns = {"texto",    "portugues", "espanhol", "ingles",
                                                             "italiano", "frances",   "alemao"};

struct LinguaRow {
    int lineNumber = 0;
    std::array<std::optional<std::string>, linguaColumns.size()> cells;
};

// Reads and checks the whole file; a bad line throws a BuildError naming the file and the line.
std::vector<LinguaRow> readLinguaTsv(const std::filesystem::path& file);

} // namespace usina::makedb
