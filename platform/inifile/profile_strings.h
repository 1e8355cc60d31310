#pragma once
// Our stand-in for the Windows profile-string calls on an initialisation file: "[Section]" headers,
// "key=value" lines, ";" comments. Names compare without regard to case; blanks around keys and values
// are ignored on reading; the file's bytes are kept as they are.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace usina::inifile {

// As GetPrivateProfileString with a buffer of `bufferSize` characters: the value of key in section, or
// `defaultValue` when the file, section or key is missing; cut to bufferSize-1 characters.
std::string readProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize = 256);

// As WritePrivateProfileString: creates the file and the section when missing, replaces the key's
// value or appends the key at the end of its section; returns false when the file cannot be written,
// and for names or values that would break the file's lines (a line end anywhere, "=" in the key,
// "]" in the section, an empty name). The file is replaced whole, never left half written.
bool writeProfileString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                        std::string_view value);

} // namespace usina::inifile
