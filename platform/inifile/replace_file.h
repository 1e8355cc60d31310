#pragma once
// Replacing a file's whole content so that a failure at any point leaves the old file (or no file)
// rather than half a new one: the bytes go to a temporary file in the same folder, are flushed to the
// disk, and the temporary file is renamed over the old one.

#include <filesystem>
#include <string_view>

namespace usina::inifile {

// False when any step fails; the temporary file is then removed.
bool replaceFileContent(const std::filesystem::path& file, std::string_view content);

} // namespace usina::inifile
