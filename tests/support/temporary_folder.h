#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the end.

#include <filesystem>
#include <string>

namespace usina::test {

class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    // A copy of one of the station's delivered databases, so a test never touches the build's own.
    std::filesystem::path copyOfDelivered(const std::string& name) const;

private:
    std::filesystem::path path_;
};

} // namespace usina::test
