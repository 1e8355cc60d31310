#pragma once
// The station's command line: --folder DIR (the program folder; default the executable's folder) and
// --serial DEVICE (the controller's serial port; default the first serial port).

#include <filesystem>
#include <optional>
#include <string>

namespace usina {

struct CommandLine {
    std::filesystem::path programFolder;
    std::string serialDevice = "/dev/ttyS0";
};

// nullopt after printing the usage (asked for, or a wrong argument); `error` says which.
std::optional<CommandLine> parseCommandLine(int argc, char** argv, std::string& error);

} // namespace usina
