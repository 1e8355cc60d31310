#include "tests/support/executable_folder.h"

#include <system_error>

namespace usina::test {

std::filesystem::path executableFolder() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : self.parent_path();
}

std::string besideExecutableOr(const std::string& name, const std::string& builtAt) {
    const std::filesystem::path beside = executableFolder() / name;
    std::error_code ec;
    return std::filesystem::is_regular_file(beside, ec) ? beside.string() : builtAt;
}

} // namespace usina::test
