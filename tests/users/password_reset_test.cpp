// The README's recipe for a forgotten level-3 password, run as written with the stock sqlite3 shell on
// the files of a running station: the user then identifies with his name, and his password is hashed.

#include "tests/users/users_fixture.h"

#include <cstdio>
#include <fstream>
#include <sys/wait.h>

namespace usina::test {

namespace {

struct Recipe {
    std::string folder;   // where the shell runs: the folder of the key collation
    std::string database; // the file the shell opens
    std::string script;   // what is typed into the shell
};

// The README's indented block that starts with "cd" and runs the sqlite3 shell.
Recipe readmeRecipe() {
    std::ifstream readme(std::string(USINA_SOURCE_DIR) + "/README.md");
    std::string line;
    Recipe recipe;
    bool inShell = false;
    while (std::getline(readme, line)) {
        if (!inShell && line.starts_with("    cd ")) {
            recipe.folder = line.substr(7);
        } else if (!recipe.folder.empty() && line.starts_with("    sqlite3 ")) {
            recipe.database = line.substr(12);
            inShell = true;
        } else if (inShell) {
            recipe.script += line.substr(4) + "\n";
            if (line == "    .quit") {
                break;
            }
        }
    }
    return recipe;
}

std::string runShell(const std::filesystem::path& folder, const std::filesystem::path& database,
                     const std::string& script, const std::filesystem::path& scriptFile) {
    std::ofstream(scriptFile, std::ios::binary) << script;
    const std::string command = "cd '" + folder.string() + "' && sqlite3 -bail '" + database.string() +
                                "' < '" + scriptFile.string() + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return "cannot run the shell";
    }
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        output.append(buffer, n);
    }
    const int status = pclose(pipe);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        output += "[the shell failed]";
    }
    return output;
}

} // namespace

TEST_F(UsersTest, TheReadmeRecipeResetsALevelThreePasswordToTheUserName) {
    const Recipe recipe = readmeRecipe();
    ASSERT_FALSE(recipe.script.empty());
    EXPECT_EQ(recipe.database, "~/usina/datranvik.mdb");
    const std::filesystem::path collationFolder = std::filesystem::path(PTNOCASE_EXTENSION).parent_path();
    // The build's own folder (build, build-sanitize) holds the executable's folder, bin.
    EXPECT_EQ(collationFolder.filename(), std::filesystem::path(recipe.folder).filename()) << recipe.folder;

    sql("datranvik.mdb",
        "UPDATE senhas SET senha1 = '" + HashPassword("esquecida") + "' WHERE login1 = 'kremo'");
    const std::string output = runShell(collationFolder, folder.path() / "datranvik.mdb", recipe.script,
                                        folder.path() / "reset.sql");
    EXPECT_EQ(output, "1\n");
    EXPECT_EQ(storedPassword("kremo"), "kremo");

    EXPECT_TRUE(identify("kremo", "kremo").botusu.enabled());
    EXPECT_EQ(takeMessage(), "");
    EXPECT_TRUE(passwords::isHash(storedPassword("kremo")));
    EXPECT_TRUE(passwords::matches(storedPassword("kremo"), "kremo"));
}

} // namespace usina::test
