#pragma once
// Which file a write of the settings may replace, and whether it may at all. A write replaces the file
// whole (a temporary file renamed over it), which would quietly undo what protects it: the rename
// needs only the folder's permission, gives the file to the writer and cuts it from its other names.
// So a file is replaced only when it is plainly this program's own: owned by the user the program
// runs as, writable by its owner, with one name. A symbolic link is followed only to a file inside the
// link's own folder, and that file is replaced, never the link: a link out of the program folder is an
// arrangement made outside the station (or an attempt to make it copy a system file), so it is read and
// left alone.

#include "platform/inifile/profile_write.h"

#include <filesystem>
#include <sys/stat.h>
#include <sys/types.h>

namespace usina::inifile {

struct WriteTarget {
    ProfileWrite verdict; // `written` when the write may go ahead
    std::filesystem::path file;
    bool exists = false;
};

// The file to replace for a write to `file`: the file itself, or the target of its link.
WriteTarget writeTargetOf(const std::filesystem::path& file);

// The verdict on an existing file for a program running as `user`, from the file's status alone; the
// same whether or not the user could override the permissions (as root can).
ProfileWrite replaceableBy(const struct stat& status, uid_t user);

} // namespace usina::inifile
