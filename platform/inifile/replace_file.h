#pragma once
// Replacing a file's whole content so that a failure at any point leaves the old file (or no file)
// rather than half a new one: the bytes go to a temporary file in the same folder, are flushed to the
// disk, and the temporary file is renamed over the old one.

#include <filesystem>
#include <string>
#include <string_view>

namespace usina::inifile {

// The temporary file of a write to "Parametros.ini" is "Parametros.ini.tmp-" and six letters or digits.
inline constexpr std::string_view temporarySuffix = ".tmp-";

// The folder a file is in ("." for a bare name).
std::filesystem::path folderOf(const std::filesystem::path& file);

// A new content for `file`, written piece by piece (buffered) into a temporary file beside it; commit()
// puts it on the disk and in the file's place. Until then, and whenever a step fails, the file stays as
// it was; a replacement that is not committed removes its temporary file when it ends.
class FileReplacement {
public:
    explicit FileReplacement(const std::filesystem::path& file);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // After the first failure nothing more is written and commit() fails.
    void write(std::string_view bytes);
    // False when any step failed; the temporary file is then removed.
    bool commit();
    // The system's error number of the first failure; 0 while none happened.
    int failure() const { return failure_; }

private:
    bool flushBuffer();
    void startWriteback();
    void fail();
    void removeTemporary();

    std::filesystem::path file_;
    std::string temporary_;
    int descriptor_ = -1;
    int failure_ = 0;
    std::string buffer_;
    // Bytes written to the temporary file, those whose writeback to the disk was started, and those
    // waited for.
    long long written_ = 0;
    long long started_ = 0;
    long long waited_ = 0;
};

// False when any step fails; the temporary file is then removed.
bool replaceFileContent(const std::filesystem::path& file, std::string_view content);

// Whether `candidate`, a file in the folder of `file`, has the name of a temporary file of a write to it.
bool isTemporaryOf(const std::filesystem::path& file, const std::filesystem::path& candidate);

// Removes the temporary files that writes to `file` left behind when they were killed before their
// rename; returns how many. Only regular files of this program's user are removed.
int removeLeftoverTemporaries(const std::filesystem::path& file);

} // namespace usina::inifile
