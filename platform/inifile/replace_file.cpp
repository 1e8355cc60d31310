#include "platform/inifile/replace_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace usina::inifile {

namespace {

constexpr mode_t newFileMode = 0644;

constexpr std::size_t bufferSize = 1 << 16;
// A long content goes to the disk in steps of this size while it is written.
constexpr long long writebackStep = 4LL << 20;

bool writeAll(int descriptor, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(descriptor, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The replaced file keeps the permissions it had.
mode_t modeFor(const std::filesystem::path& file) {
    struct stat existing {};
    return ::stat(file.c_str(), &existing) == 0 ? existing.st_mode & 07777 : newFileMode;
}

// Makes the rename itself survive a power cut; the new content is already on the disk either way.
void syncFolder(const std::filesystem::path& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

} // namespace

std::filesystem::path folderOf(const std::filesystem::path& file) {
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

FileReplacement::FileReplacement(const std::filesystem::path& file) : file_(file) {
    temporary_ =
        (folderOf(file) / (file.filename().string() + std::string(temporarySuffix) + "XXXXXX")).string();
    descriptor_ = ::mkstemp(temporary_.data());
    if (descriptor_ < 0) {
        failure_ = errno;
        temporary_.clear();
        return;
    }
    if (::fchmod(descriptor_, modeFor(file)) != 0) {
        fail();
    }
    buffer_.reserve(bufferSize);
}

FileReplacement::~FileReplacement() {
    removeTemporary();
}

void FileReplacement::write(std::string_view bytes) {
    if (failure_ != 0) {
        return;
    }
    if (buffer_.size() + bytes.size() > bufferSize && !flushBuffer()) {
        return;
    }
    if (bytes.size() >= bufferSize) {
        if (!writeAll(descriptor_, bytes)) {
            fail();
            return;
        }
        written_ += static_cast<long long>(bytes.size());
        startWriteback();
        return;
    }
    buffer_.append(bytes);
}

bool FileReplacement::flushBuffer() {
    if (!writeAll(descriptor_, buffer_)) {
        fail();
        return false;
    }
    written_ += static_cast<long long>(buffer_.size());
    buffer_.clear();
    startWriteback();
    return true;
}

// The disk takes a long content step by step while the rest is written, so that the flush of the
// commit has only the last steps left to wait for, not the whole file. Failures here show at the
// commit's flush.
void FileReplacement::startWriteback() {
    if (written_ - started_ < writebackStep) {
        return;
    }
    ::sync_file_range(descriptor_, started_, written_ - started_, SYNC_FILE_RANGE_WRITE);
    if (started_ > waited_) {
        ::sync_file_range(descriptor_, waited_, started_ - waited_,
                          SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER);
        waited_ = started_;
    }
    started_ = written_;
}

bool FileReplacement::commit() {
    if (failure_ == 0 && flushBuffer() && ::fsync(descriptor_) != 0) {
        fail();
    }
    if (descriptor_ >= 0 && ::close(descriptor_) != 0 && failure_ == 0) {
        failure_ = errno;
    }
    descriptor_ = -1;
    if (failure_ == 0 && std::rename(temporary_.c_str(), file_.c_str()) != 0) {
        failure_ = errno;
    }
    if (failure_ != 0) {
        removeTemporary();
        return false;
    }
    temporary_.clear();
    syncFolder(folderOf(file_));
    return true;
}

void FileReplacement::fail() {
    if (failure_ == 0) {
        failure_ = errno != 0 ? errno : EIO;
    }
}

void FileReplacement::removeTemporary() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
}

bool replaceFileContent(const std::filesystem::path& file, std::string_view content) {
    FileReplacement replacement(file);
    replacement.write(content);
    return replacement.commit();
}

bool isTemporaryOf(const std::filesystem::path& file, const std::filesystem::path& candidate) {
    const std::string prefix = file.filename().string() + std::string(temporarySuffix);
    const std::string name = candidate.filename().string();
    constexpr std::size_t uniquePart = 6;
    return name.size() == prefix.size() + uniquePart && name.starts_with(prefix) &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](unsigned char c) { return std::isalnum(c); });
}

int removeLeftoverTemporaries(const std::filesystem::path& file) {
    std::error_code error;
    int removed = 0;
    for (std::filesystem::directory_iterator entry(folderOf(file), error), end; !error && entry != end;
         entry.increment(error)) {
        struct stat status {};
        const std::filesystem::path& candidate = entry->path();
        // Only what a write of ours left: a regular file, ours, under the temporary name.
        if (isTemporaryOf(file, candidate) && ::lstat(candidate.c_str(), &status) == 0 &&
            S_ISREG(status.st_mode) && status.st_uid == ::geteuid() && ::unlink(candidate.c_str()) == 0) {
            ++removed;
        }
    }
    return removed;
}

} // namespace usina::inifile
