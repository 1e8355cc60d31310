#include "platform/inifile/write_target.h"

#include "platform/inifile/replace_file.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace usina::inifile {

namespace {

namespace fs = std::filesystem;

// Both paths canonical.
bool isInside(const fs::path& path, const fs::path& folder) {
    const auto [inFolder, inPath] = std::mismatch(folder.begin(), folder.end(), path.begin(), path.end());
    return inFolder == folder.end() && inPath != path.end();
}

WriteTarget existingTarget(const fs::path& file, const struct stat& status) {
    if (!S_ISREG(status.st_mode)) {
        return {ProfileWrite::failed, file, true};
    }
    return {replaceableBy(status, ::geteuid()), file, true};
}

WriteTarget linkTarget(const fs::path& link) {
    std::error_code error;
    const fs::path target = fs::canonical(link, error);
    if (error) {
        return {ProfileWrite::linkOutside, link, true};
    }
    const fs::path folder = fs::canonical(folderOf(link), error);
    if (error) {
        return {ProfileWrite::failed, link, true};
    }
    if (!isInside(target, folder)) {
        return {ProfileWrite::linkOutside, link, true};
    }
    struct stat status {};
    if (::stat(target.c_str(), &status) != 0) {
        return {ProfileWrite::failed, target, true};
    }
    return existingTarget(target, status);
}

} // namespace

ProfileWrite replaceableBy(const struct stat& status, uid_t user) {
    if (status.st_uid != user) {
        return ProfileWrite::otherOwner;
    }
    if ((status.st_mode & S_IWUSR) == 0) {
        return ProfileWrite::readOnly;
    }
    if (status.st_nlink > 1) {
        return ProfileWrite::otherNames;
    }
    return ProfileWrite::written;
}

WriteTarget writeTargetOf(const fs::path& file) {
    struct stat status {};
    if (::lstat(file.c_str(), &status) != 0) {
        return {errno == ENOENT ? ProfileWrite::written : ProfileWrite::failed, file, false};
    }
    return S_ISLNK(status.st_mode) ? linkTarget(file) : existingTarget(file, status);
}

} // namespace usina::inifile
