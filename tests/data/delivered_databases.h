#pragma once
// Fixture: fresh copies of the delivered databases, opened on demand, one connection per file.

#include "tests/support/sqlite_file.h"
#include "tests/support/temporary_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace usina::test {

class DeliveredDatabases : public ::testing::Test {
protected:
    // The fixture's own copy of a delivered file, made on first use.
    const std::filesystem::path& copyOf(const std::string& fileName) {
        auto found = copies_.find(fileName);
        if (found == copies_.end())
            found = copies_.emplace(fileName, folder_.copyOfDelivered(fileName)).first;
        return found->second;
    }

    SqliteFile& database(const std::string& fileName) {
        auto& open = open_[fileName];
        if (!open)
            open = std::make_unique<SqliteFile>(copyOf(fileName));
        return *open;
    }

    // Every delivered file with its tables.
    static const std::map<std::string, std::vector<std::string>>& tablesByFile() {
        static const std::map<std::string, std::vector<std::string>> tables = {
            {"datranvik.mdb", {"Tabela", "alt_mist", "bits", "senhas", "totalizador"}},
            {"calranvik.mdb", {"constantes", "gauges"}},
            {"dat2.mdb", {"RelCarga", "RelConMat", "RelPlacas", "RelProducao"}},
            {"idioma.mdb", {"lingua"}},
            {"bdruntime.mdb", {"Tblerro"}},
        };
        return tables;
    }

private:
    TemporaryFolder folder_;
    std::map<std::string, std::filesystem::path> copies_;
    std::map<std::string, std::unique_ptr<SqliteFile>> open_;
};

} // namespace usina::test
