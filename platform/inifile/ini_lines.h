#pragma once
// An initialisation file as its lines, each with its own line end, so that a rewrite keeps every line
// it does not change byte for byte.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace usina::inifile {

struct IniLine {
    std::string text;
    std::string end; // "\r\n", "\n", "\r", or "" for a last line without one
};

struct IniKeyValue {
    std::string_view key;
    std::string_view value;
};

// Without the blanks (spaces and tabs) around it.
std::string_view trimIniBlanks(std::string_view text);

std::vector<IniLine> splitIniLines(std::string_view content);
std::string joinIniLines(const std::vector<IniLine>& lines);
// The line end for new lines: CRLF when the file has any, else LF when it has any, else CR when it
// has any, else CRLF.
std::string lineEndOf(const std::vector<IniLine>& lines);

// The section a "[name]" line opens; nullopt for any other line.
std::optional<std::string_view> sectionHeaderName(std::string_view line);
// Key and value of a "key=value" line, both without surrounding blanks; nullopt for comments,
// headers and lines without "=".
std::optional<IniKeyValue> keyValueOf(std::string_view line);
bool sameIniName(std::string_view a, std::string_view b);

// Index range of the lines of a section: [header, end). Found by the first header of that name.
struct IniSectionRange {
    std::size_t header;
    std::size_t end;
};
std::optional<IniSectionRange> findSection(const std::vector<IniLine>& lines, std::string_view section);
// Index of the first line of the range that holds the key.
std::optional<std::size_t> findKey(const std::vector<IniLine>& lines, IniSectionRange range,
                                   std::string_view key);

} // namespace usina::inifile
