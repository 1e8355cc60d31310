#pragma once
// Our stand-in for the Windows profile-string calls on an initialisation file: "[Section]" headers,
// "key=value" lines, ";" comments; a line ends with CR LF, LF or a CR alone. Names compare without
// regard to case; blanks around keys and values are ignored on reading, and so are quotes around a
// value; the file's bytes are kept as they are.

#include "platform/inifile/profile_write.h"

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
// value or appends the key at the end of its section. The file is replaced whole, never left half
// written, and only when it is this program's own (see write_target.h); a protected file is left as it
// is and the outcome says why. Names or values that would break the file's lines (a line end anywhere,
// "=" in the key, "]" in the section, an empty name) are refused.
ProfileWrite writeProfileString(const std::filesystem::path& file, std::string_view section,
                                std::string_view key, std::string_view value);

// Removes what writes to `file` killed before their end left behind (their temporary files); for the
// start of the program. Returns how many files it removed.
int removeLeftoverWrites(const std::filesystem::path& file);

} // namespace usina::inifile
