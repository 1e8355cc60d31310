// A broken or unreachable database file is refused with a Portuguese text that says what is wrong and
// names the file, and the table and field where there is one; the error carries them apart too.

#include "tests/store/support/faulty_disk.h"
#include "tests/store/support/other_program.h"
#include "tests/store/support/store_fixture.h"
#include "tests/store/support/unprivileged.h"

#include "platform/store/query_recordset.h"
#include "platform/store/store_error.h"
#include "platform/store/table_recordset.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace usina::store::testing {
namespace {

namespace fs = std::filesystem;

// What an attempt threw, in a form a child process can send back.
std::string outcomeOf(const std::function<void()>& action) {
    try {
        action();
        return "nothing thrown";
    } catch (const StoreError& e) {
        return std::to_string(static_cast<int>(e.fault())) + "|" + std::to_string(e.number()) + "|" +
               e.table() + "|" + e.field() + "|" + e.fileName() + "|" + e.what();
    } catch (const std::exception& e) {
        return std::string("other error: ") + e.what();
    }
}

std::string expectedOutcome(StoreFault fault, int number, const std::string& table,
                            const std::string& field) {
    return std::to_string(static_cast<int>(fault)) + "|" + std::to_string(number) + "|" + table + "|" +
           field + "|datranvik.mdb|";
}

void openTabela(const fs::path& file) {
    TableRecordset records;
    records.open("Tabela", file);
}

void overwrite(const fs::path& file, std::streamoff offset, const std::string& bytes) {
    std::fstream stream(file, std::ios::in | std::ios::out | std::ios::binary);
    stream.seekp(offset);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class BrokenFileTest : public StoreTest {
protected:
    struct Case {
        const char* name;
        std::function<void(const fs::path& file)> breakIt;
        std::function<void(const fs::path& file)> act = openTabela;
        bool asOtherUser = false;
        StoreFault fault;
        int number;
        std::string table;
        std::string field;
        std::vector<std::string> said;
    };

    void damageTheRootPageOf(const fs::path& file, const std::string& table) const {
        const int page =
            std::stoi(rawText(file, "SELECT rootpage FROM sqlite_master WHERE name = '" + table + "'"));
        const int pageSize = std::stoi(rawText(file, "PRAGMA page_size"));
        overwrite(file, static_cast<std::streamoff>(page - 1) * pageSize, std::string(64, '\xFF'));
    }

    FaultyDisk disk;
    std::unique_ptr<OtherProgram> otherProgram;
};

TEST_F(BrokenFileTest, EachFaultIsSaidInPortugueseWithItsFileTableAndField) {
    const auto saveANewMix = [this](int diskFault) {
        return [this, diskFault](const fs::path& file) {
            TableRecordset mixes;
            mixes.open("alt_mist", file);
            mixes.addNew();
            mixes("mistura") = "Cal";
            disk.failWrites(diskFault);
            mixes.update();
        };
    };
    const std::vector<Case> cases = {
        {"missing",
         [](const fs::path& file) { fs::remove(file); },
         openTabela,
         false,
         StoreFault::missingFile,
         error_number::fileNotFound,
         "Tabela",
         "",
         {"O arquivo datranvik.mdb não foi encontrado na pasta "}},
        {"fifo",
         [](const fs::path& file) {
             fs::remove(file);
             ::mkfifo(file.c_str(), 0644);
         },
         openTabela,
         false,
         StoreFault::notARegularFile,
         store_error_number::notUsableAsDatabase,
         "Tabela",
         "",
         {"O arquivo datranvik.mdb não é um arquivo comum", "FIFO"}},
        {"empty",
         [](const fs::path& file) { fs::resize_file(file, 0); },
         openTabela,
         false,
         StoreFault::emptyFile,
         store_error_number::notUsableAsDatabase,
         "Tabela",
         "",
         {"O arquivo datranvik.mdb está vazio (0 bytes) e não é um banco de dados (tabela Tabela)."}},
        {"not a database",
         [](const fs::path& file) { std::ofstream(file) << std::string(4096, 'x'); },
         openTabela,
         false,
         StoreFault::notADatabase,
         store_error_number::notUsableAsDatabase,
         "Tabela",
         "",
         {"O arquivo datranvik.mdb não é um banco de dados"}},
        {"damaged page",
         [this](const fs::path& file) { damageTheRootPageOf(file, "Tabela"); },
         openTabela,
         false,
         StoreFault::damaged,
         store_error_number::notUsableAsDatabase,
         "Tabela",
         "",
         {"O arquivo datranvik.mdb está danificado (tabela Tabela)."}},
        {"damaged page, in a query",
         [this](const fs::path& file) { damageTheRootPageOf(file, "Tabela"); },
         [](const fs::path& file) {
             QueryRecordset query;
             query.open(file, "SELECT * FROM Tabela WHERE DATA >= ?", {Value(Date{2026, 1, 1})});
         },
         false,
         StoreFault::damaged,
         store_error_number::notUsableAsDatabase,
         "Tabela",
         "",
         {"O arquivo datranvik.mdb está danificado (tabela Tabela)."}},
        {"held by another program",
         [this](const fs::path& file) {
             otherProgram = std::make_unique<OtherProgram>(file, holdsTheWholeFile);
         },
         openTabela,
         false,
         StoreFault::inUse,
         store_error_number::locked,
         "Tabela",
         "",
         {"O arquivo datranvik.mdb está em uso por outro programa (tabela Tabela)."}},
        {"read-only file",
         [](const fs::path& file) {
             fs::permissions(file.parent_path(), fs::perms::all);
             fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
         },
         openTabela,
         true,
         StoreFault::readOnlyFile,
         store_error_number::readOnly,
         "Tabela",
         "",
         {"O arquivo datranvik.mdb está protegido contra gravação (tabela Tabela)."}},
        {"read-only folder",
         [](const fs::path& file) {
             fs::permissions(file, fs::perms::all);
             fs::permissions(file.parent_path(), fs::perms::owner_read | fs::perms::owner_exec |
                                                     fs::perms::group_read | fs::perms::group_exec |
                                                     fs::perms::others_read | fs::perms::others_exec);
         },
         openTabela,
         true,
         StoreFault::readOnlyFolder,
         store_error_number::noPermission,
         "Tabela",
         "",
         {"A pasta ",
          ", onde está o arquivo datranvik.mdb, está protegida contra gravação (tabela Tabela)."}},
        {"full disk",
         [](const fs::path&) {},
         saveANewMix(SQLITE_FULL),
         false,
         StoreFault::diskFull,
         store_error_number::diskFull,
         "alt_mist",
         "",
         {"O disco onde está o arquivo datranvik.mdb está cheio (tabela alt_mist)", "grave de novo"}},
        {"disk error",
         [](const fs::path&) {},
         saveANewMix(SQLITE_IOERR_WRITE),
         false,
         StoreFault::diskError,
         store_error_number::diskError,
         "alt_mist",
         "",
         {"Erro de leitura ou gravação no disco do arquivo datranvik.mdb (tabela alt_mist)"}},
        {"missing table",
         [](const fs::path&) {},
         [](const fs::path& file) {
             TableRecordset users;
             users.open("senhas", file);
         },
         false,
         StoreFault::missingTable,
         error_number::tableNotFound,
         "senhas",
         "",
         {"A tabela senhas não existe no arquivo datranvik.mdb."}},
        {"missing field",
         [](const fs::path&) {},
         [](const fs::path& file) {
             TableRecordset mixes;
             mixes.open("alt_mist", file);
             (void)mixes.field("prodmax");
         },
         false,
         StoreFault::missingField,
         error_number::itemNotFound,
         "alt_mist",
         "prodmax",
         {"O campo prodmax não existe na tabela alt_mist do arquivo datranvik.mdb."}},
    };
    fs::permissions(folder(), fs::perms::all); // reachable by the other user
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path caseFolder = folder() / c.name;
        fs::create_directory(caseFolder);
        const fs::path file = createPlantDatabase((fs::path(c.name) / "datranvik.mdb").string());
        c.breakIt(file);
        const std::uintmax_t sizeBefore = fs::is_regular_file(file) ? fs::file_size(file) : 0;
        const auto attempt = [&] { return outcomeOf([&] { c.act(file); }); };
        const std::string outcome = c.asOtherUser ? runUnprivileged(attempt) : attempt();
        disk.failWrites(SQLITE_OK);
        otherProgram.reset();

        EXPECT_TRUE(outcome.starts_with(expectedOutcome(c.fault, c.number, c.table, c.field))) << outcome;
        for (const std::string& part : c.said)
            EXPECT_NE(outcome.find(part), std::string::npos)
                << "\"" << outcome << "\" lacks \"" << part << "\"";
        if (fs::is_regular_file(file) && sizeBefore < 512) { // an empty or cut file is not written to
            EXPECT_EQ(fs::file_size(file), sizeBefore);
        }
        EXPECT_FALSE(c.fault == StoreFault::emptyFile && fs::exists(file.string() + "-wal"));
        fs::permissions(caseFolder, fs::perms::all);
    }
}

} // namespace
} // namespace usina::store::testing
