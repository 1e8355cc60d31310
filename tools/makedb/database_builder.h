#pragma once
// Builds one delivered database from scratch: the schema and first content of a SQL file, optionally
// the translation rows of a TSV file, in WAL mode. The file appears under its name only when complete.

#include <filesystem>
#include <optional>

namespace usina::makedb {

struct BuildRequest {
    std::filesystem::path output;
    std::filesystem::path schema;
    std::optional<std::filesystem::path> lingua;
};

// Throws BuildError; on failure neither the output nor its temporary file is left behind.
void buildDatabase(const BuildRequest& request);

} // namespace usina::makedb
