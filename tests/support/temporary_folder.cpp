#include "tests/support/temporary_folder.h"

#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace usina::test {

TemporaryFolder::TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "usina-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder from " + pattern);
    path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TemporaryFolder::copyOfDelivered(const std::string& name) const {
    const std::filesystem::path copy = path_ / name;
    std::filesystem::copy_file(std::filesystem::path(USINA_PROGRAM_DIR) / name, copy);
    return copy;
}

} // namespace usina::test
