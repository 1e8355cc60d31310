#pragma once
// Texts are UTF-8 in memory; widths, cuts and lengths count characters, never bytes. Key codes and the
// export file use Windows-1252.

#include <cstdint>
#include <string>
#include <string_view>

namespace usina {

// Bytes that are no well-formed UTF-8 count as one character each, so nothing is lost when cutting.
std::size_t charCount(std::string_view utf8);
bool isWellFormedUtf8(std::string_view text);
// First n characters, last n characters, n characters from position `from` (0-based).
std::string leftChars(std::string_view utf8, std::size_t n);
std::string rightChars(std::string_view utf8, std::size_t n);
std::string midChars(std::string_view utf8, std::size_t from, std::size_t n = std::string::npos);
// Byte offset of character `index` (charCount for the end).
std::size_t byteOffsetOfChar(std::string_view utf8, std::size_t index);

// Leading and trailing blanks (spaces only, as the old Trim).
std::string trimBlanks(std::string_view text);

// Windows-1252 code of one Unicode code point; 63 ("?") when the code page lacks it.
int windows1252FromCodePoint(char32_t codePoint);
char32_t codePointFromWindows1252(int code);
// A whole text to Windows-1252 bytes ("?" for what it lacks), and back.
std::string toWindows1252(std::string_view utf8);
// The same, added at the end of `out` (a file's lines, without a text of their own each).
void appendWindows1252(std::string& out, std::string_view utf8);
std::string fromWindows1252(std::string_view bytes);
// The UTF-8 text of one Windows-1252 character code.
std::string charFromWindows1252(int code);

// Case folding for the letters of Portuguese (A-Z and the accented Latin-1 letters), used by field
// names and text keys.
std::string foldCase(std::string_view utf8);
int compareFolded(std::string_view a, std::string_view b);

} // namespace usina
