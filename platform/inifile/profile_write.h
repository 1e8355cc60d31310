#pragma once
// What became of a write to an initialisation file.

namespace usina::inifile {

enum class ProfileWrite {
    written,
    // A name or value that would break the file's lines; nothing was touched.
    refused,
    // The file is protected, so it is only read: it has no write permission for its owner,
    readOnly,
    // it belongs to another user (a replacement would become ours),
    otherOwner,
    // it has other names (hard links) that a replacement would leave with the old content,
    otherNames,
    // or it is a symbolic link that leads out of its folder or to nothing.
    linkOutside,
    // The folder or the disk refused (no folder, no room, an unreadable file); the old file is kept.
    failed,
};

// True for the outcomes that say the file is protected against this program's writes.
constexpr bool isProtected(ProfileWrite outcome) {
    return outcome == ProfileWrite::readOnly || outcome == ProfileWrite::otherOwner ||
           outcome == ProfileWrite::otherNames || outcome == ProfileWrite::linkOutside;
}

} // namespace usina::inifile
