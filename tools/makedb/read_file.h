#pragma once
// The whole content of a file, byte for byte; a file that cannot be read is a BuildError.

#include <filesystem>
#include <string>

namespace usina::makedb {

std::string readWholeFile(const std::filesystem::path& file);

} // namespace usina::makedb
