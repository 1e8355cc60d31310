#pragma once
// The unattended station (plant_driver) as a child process on a program folder holding fresh copies of
// the delivered databases, and what it tells through its status file.

#include "tests/support/temporary_folder.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace usina::test {

inline constexpr const char* stationDatabases[] = {"datranvik.mdb", "calranvik.mdb", "dat2.mdb", "idioma.mdb",
                                                   "bdruntime.mdb"};

// A program folder with fresh copies of the delivered databases.
void copyDeliveredDatabases(const TemporaryFolder& folder);

class UnattendedStation {
public:
    // Starts plant_driver on `folder` and `serial`, its status in folder/status, its output in
    // folder/driver.log.
    UnattendedStation(const std::filesystem::path& folder, const std::string& serial,
                      const std::vector<std::string>& arguments = {});
    ~UnattendedStation();
    UnattendedStation(const UnattendedStation&) = delete;
    UnattendedStation& operator=(const UnattendedStation&) = delete;

    // Still running (it did not end by itself).
    bool running();
    // Ends it at once, as a power cut or a crash would, and waits for it.
    void kill();

    // The status file as last written: key to value; empty before the first.
    std::map<std::string, std::string> status() const;
    std::optional<std::string> status(const std::string& key) const;
    double number(const std::string& key) const;

private:
    std::filesystem::path statusFile_;
    pid_t pid_ = -1;
};

} // namespace usina::test
