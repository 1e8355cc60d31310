// A maintainer checks, compacts and repairs the delivered files with the stock sqlite3 shell and one
// line, `.load ./ptnocase`, given in the program folder, and the station reads what the shell wrote.

#include "tests/data/delivered_databases.h"

#include "platform/store/table_recordset.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace usina::test {
namespace {

struct ShellRun {
    int exitCode;
    std::string output;
};

class StockShell : public DeliveredDatabases {
protected:
    // The shell on `file`, fed `script`; stdout and stderr together.
    ShellRun shell(const std::filesystem::path& file, const std::string& script, bool loadExtension = true) {
        const std::filesystem::path scriptFile = scripts_ / ("script" + std::to_string(++runs_) + ".sql");
        std::ofstream(scriptFile, std::ios::binary) << script;
        const std::filesystem::path programFolder = std::filesystem::path(PTNOCASE_EXTENSION).parent_path();
        const std::string command = "cd '" + programFolder.string() + "' && sqlite3 -bail " +
                                    (loadExtension ? "-cmd '.load ./ptnocase' " : "") + "'" + file.string() +
                                    "' < '" + scriptFile.string() + "' 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr)
            return {-1, "cannot run the shell"};
        std::string output;
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, n);
        const int status = pclose(pipe);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
    }

private:
    TemporaryFolder scripts_;
    int runs_ = 0;
};

TEST_F(StockShell, EveryDeliveredFileChecksAndCompactsClean) {
    for (const auto& [file, tables] : tablesByFile()) {
        const ShellRun run =
            shell(copyOf(file), "PRAGMA integrity_check;\nVACUUM;\nPRAGMA integrity_check;\n");
        EXPECT_EQ(run.exitCode, 0) << file << ": " << run.output;
        EXPECT_EQ(run.output, "ok\nok\n") << file;
    }
}

TEST_F(StockShell, CountsSortsAndResetsAPasswordByKey) {
    const auto& file = copyOf("datranvik.mdb");
    const ShellRun run = shell(file, "SELECT count(*) FROM alt_mist;\n"
                                     "SELECT mistura FROM alt_mist ORDER BY mistura;\n"
                                     "UPDATE senhas SET senha1 = 'nova' WHERE login1 = 'KREMO';\n"
                                     "SELECT changes();\n");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output, "2\nCBUQ FAIXA C\nSMA 0/11\n1\n");

    store::TableRecordset users;
    users.open("senhas", file);
    users.seek(Value("kremo"));
    ASSERT_FALSE(users.eof());
    EXPECT_EQ(users.field("senha1"), Value("nova"));
}

// The shell's collation is the station's: keys the shell adds land where the station looks for them.
TEST_F(StockShell, SortsKeysAsTheStationDoes) {
    const auto& file = copyOf("datranvik.mdb");
    const ShellRun run = shell(file, "INSERT INTO alt_mist (mistura) VALUES ('Zinco'), ('Água'), ('agua'), "
                                     "('Ação'), ('acao');\n"
                                     "SELECT mistura FROM alt_mist ORDER BY mistura;\n");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output, "acao\nAção\nagua\nÁgua\nCBUQ FAIXA C\nSMA 0/11\nZinco\n");

    store::TableRecordset mixes;
    mixes.open("alt_mist", file);
    std::string walked;
    for (mixes.moveFirst(); !mixes.eof(); mixes.moveNext())
        walked += mixes.field("mistura").text() + "\n";
    EXPECT_EQ(walked, run.output);
    mixes.seek(Value("ÁGUA"));
    EXPECT_EQ(mixes.field("mistura"), Value("Água"));
    EXPECT_EQ(database("datranvik.mdb").scalar("PRAGMA integrity_check").text, "ok");
}

TEST_F(StockShell, WithoutTheExtensionTheShellCannotTouchAKey) {
    const ShellRun run = shell(copyOf("datranvik.mdb"), "SELECT count(*) FROM alt_mist;\n", false);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.output.find("PTNOCASE"), std::string::npos) << run.output;
}

} // namespace
} // namespace usina::test
