#pragma once
// Another program on a database file: the stock sqlite3 shell, run as a child process, holding the
// file the way a backup or a database browser does until it is released.

#include <filesystem>
#include <string>
#include <sys/types.h>

namespace usina::store::testing {

class OtherProgram {
public:
    // Runs `sql` in the shell on `file` and returns once the shell holds what it took; throws
    // std::runtime_error with the shell's words when it cannot.
    OtherProgram(const std::filesystem::path& file, const std::string& sql);
    ~OtherProgram();
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    // Runs more SQL in the shell (a COMMIT, another statement) and returns once it has.
    void run(const std::string& sql);
    // The shell ends: its transaction is rolled back and its locks go. Waits for it.
    void release();

private:
    std::string readUntil(const std::string& marker);

    pid_t pid_ = -1;
    int toShell_ = -1;
    int fromShell_ = -1;
};

// The locks the tests take.
inline const std::string holdsTheWriteLock = "BEGIN IMMEDIATE;";
inline const std::string holdsTheWholeFile = "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE;";

} // namespace usina::store::testing
