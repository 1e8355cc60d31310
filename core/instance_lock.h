#pragma once
// Tells whether another station already runs on this program folder: an abstract-namespace Unix
// socket named after the folder, held for the whole run (the kernel drops it when the process ends,
// however it ends, so there is no stale lock file).

#include <filesystem>

namespace usina {

class InstanceLock {
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process now holds the folder; false when another process does.
    bool acquire(const std::filesystem::path& programFolder);
    bool held() const { return fd_ >= 0; }
    void release();

private:
    int fd_ = -1;
};

} // namespace usina
