// The database maker: a bad translation line stops the build and names the line, a failed build leaves
// no file behind, and a fresh build never inherits anything from the file it replaces.

#include "tests/support/sqlite_file.h"
#include "tests/support/temporary_folder.h"

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>

namespace usina::test {
namespace {

const std::string linguaSchema = "CREATE TABLE \"lingua\" (\"texto\" TEXT PRIMARY KEY COLLATE PTNOCASE, "
                                 "\"portugues\" TEXT, \"espanhol\" TEXT, \"ingles\" TEXT, \"italiano\" TEXT, "
                                 "\"frances\" TEXT, \"alemao\" TEXT);";
const std::string header = "texto\tportugues\tespanhol\tingles\titaliano\tfrances\talemao\n";

void writeFile(const std::filesystem::path& file, const std::string& content) {
    std::ofstream(file, std::ios::binary) << content;
}

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string row(const std::string& key, const std::string& translation) {
    std::string line = key;
    for (int i = 0; i < 6; ++i)
        line += "\t" + translation;
    return line + "\n";
}

class Makedb : public ::testing::Test {
protected:
    struct Result {
        int exitCode;
        std::string messages;
    };

    Result run(const std::string& arguments) {
        const std::filesystem::path messages = folder / "messages.txt";
        const std::string command =
            std::string("'") + MAKEDB_PROGRAM + "' " + arguments + " 2>'" + messages.string() + "'";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(messages)};
    }

    Result buildLingua(const std::string& tsvContent) {
        writeFile(schema, linguaSchema);
        writeFile(tsv, tsvContent);
        return run("'" + output.string() + "' '" + schema.string() + "' --lingua '" + tsv.string() + "'");
    }

    bool leftNothing() const {
        return !std::filesystem::exists(output) && !std::filesystem::exists(folder / "idioma.mdb.tmp");
    }

    TemporaryFolder folder;
    std::filesystem::path output = folder / "idioma.mdb";
    std::filesystem::path schema = folder / "idioma.sql";
    std::filesystem::path tsv = folder / "lingua.tsv";
};

TEST_F(Makedb, StoresTranslationsExactlyWithNullCells) {
    const Result result = buildLingua(header + row("Excluir ", "Delete") + "Nulo\t\\N\tx\tx\tx\tx\tx\r\n" +
                                      row(" 00h00m00s", " 00h00m00s"));
    ASSERT_EQ(result.exitCode, 0) << result.messages;
    EXPECT_FALSE(std::filesystem::exists(folder / "idioma.mdb.tmp"));
    SqliteFile db(output);
    EXPECT_EQ(db.scalar("SELECT count(*) FROM lingua").number, 3);
    EXPECT_EQ(db.scalar("SELECT ingles FROM lingua WHERE texto = 'Excluir '").text, "Delete");
    EXPECT_TRUE(db.scalar("SELECT portugues FROM lingua WHERE texto = 'Nulo'").isNull());
    EXPECT_EQ(db.scalar("SELECT alemao FROM lingua WHERE texto = 'Nulo'").text, "x"); // no CR kept
    EXPECT_EQ(db.scalar("PRAGMA journal_mode").text, "wal");
}

TEST_F(Makedb, BadTranslationLinesStopTheBuildAndAreNamed) {
    struct Case {
        const char* what;
        std::string content;
        std::vector<std::string> mentioned;
    };
    const std::vector<Case> cases = {
        {"too few columns", header + row("A", "a") + "B\tb\tb\n", {"line 3", "3 columns"}},
        {"too many columns", header + "A\ta\ta\ta\ta\ta\ta\ta\n", {"line 2", "8 columns"}},
        {"empty line", header + row("A", "a") + "\n" + row("B", "b"), {"line 3"}},
        {"same key in other case",
         header + row("Abc", "a") + row("Outro", "o") + row("ABC", "b"),
         {"line 4", "line 2", "ABC"}},
        {"accented capitals", header + row("Ação", "a") + row("AÇÃO", "b"), {"line 3", "line 2"}},
        {"Null key", header + row("\\N", "a"), {"line 2", "Null"}},
        {"empty key", header + row("", "a"), {"line 2", "empty"}},
        {"wrong header", "texto\tportugues\n" + row("A", "a"), {"line 1", "header"}},
        {"broken UTF-8", header + row("A\xC3", "a"), {"line 2", "UTF-8"}},
        {"header alone", header, {"no interface text"}},
    };
    for (const Case& bad : cases) {
        const Result result = buildLingua(bad.content);
        EXPECT_NE(result.exitCode, 0) << bad.what;
        for (const std::string& part : bad.mentioned)
            EXPECT_NE(result.messages.find(part), std::string::npos) << bad.what << ": " << result.messages;
        EXPECT_TRUE(leftNothing()) << bad.what;
    }
}

TEST_F(Makedb, FailedSchemaRemovesTheOldFileAndLeavesNoNewOne) {
    ASSERT_EQ(buildLingua(header + row("A", "a")).exitCode, 0);
    writeFile(schema, "CREATE TABLE \"t\" (\"a\" TEXT); INSERT INTO nowhere VALUES (1);");
    const Result result = run("'" + output.string() + "' '" + schema.string() + "'");
    EXPECT_NE(result.exitCode, 0);
    EXPECT_NE(result.messages.find("nowhere"), std::string::npos) << result.messages;
    EXPECT_TRUE(leftNothing());
}

TEST_F(Makedb, MissingInputsAndBadArgumentsFail) {
    writeFile(schema, linguaSchema);
    EXPECT_NE(run("'" + output.string() + "' '" + (folder / "none.sql").string() + "'").exitCode, 0);
    EXPECT_NE(run("'" + output.string() + "' '" + schema.string() + "' --lingua '" +
                  (folder / "none.tsv").string() + "'")
                  .exitCode,
              0);
    EXPECT_EQ(run("'" + output.string() + "'").exitCode, 2);
    EXPECT_EQ(run("'" + output.string() + "' '" + schema.string() + "' --lingua").exitCode, 2);
    EXPECT_TRUE(leftNothing());
}

// A write-ahead log left beside the old file (a station that lost power) holds valid pages of the old
// database; replayed into the new file it would corrupt it.
TEST_F(Makedb, AFreshBuildIgnoresTheLogOfTheFileItReplaces) {
    {
        sqlite3* old = nullptr;
        ASSERT_EQ(sqlite3_open(output.c_str(), &old), SQLITE_OK);
        int off = 0;
        sqlite3_db_config(old, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, &off);
        ASSERT_EQ(sqlite3_exec(old,
                               "PRAGMA journal_mode=WAL; CREATE TABLE antiga (x TEXT);"
                               "INSERT INTO antiga VALUES ('velho');",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(old);
    }
    ASSERT_TRUE(std::filesystem::exists(folder / "idioma.mdb-wal"));

    ASSERT_EQ(buildLingua(header + row("A", "a")).exitCode, 0);
    SqliteFile db(output);
    EXPECT_EQ(db.tableNames(), std::vector<std::string>{"lingua"});
    EXPECT_EQ(db.scalar("PRAGMA integrity_check").text, "ok");
    EXPECT_EQ(db.scalar("SELECT count(*) FROM lingua").number, 1);
}

} // namespace
} // namespace usina::test
