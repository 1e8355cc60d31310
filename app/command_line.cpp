#include "app/command_line.h"

#include <system_error>
#include <unistd.h>

namespace usina {

namespace {

std::filesystem::path executableFolder(const char* argv0) {
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        self = std::filesystem::absolute(argv0);
    }
    return self.parent_path();
}

} // namespace

std::optional<CommandLine> parseCommandLine(int argc, char** argv, std::string& error) {
    CommandLine line;
    line.programFolder = executableFolder(argv[0]);
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        const bool hasValue = i + 1 < argc;
        if (word == "--folder" && hasValue) {
            line.programFolder = std::filesystem::absolute(argv[++i]);
        } else if (word == "--serial" && hasValue) {
            line.serialDevice = argv[++i];
        } else {
            error = word == "--help" || word == "-h" ? "" : "argumento desconhecido ou incompleto: " + word;
            return std::nullopt;
        }
    }
    return line;
}

} // namespace usina
