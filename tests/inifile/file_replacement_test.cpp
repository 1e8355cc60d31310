// A content written piece by piece replaces the file only when committed: a long one arrives whole, an
// abandoned one leaves the old file and no temporary file behind.

#include "platform/inifile/replace_file.h"
#include "tests/inifile/ini_fixture.h"

#include <filesystem>
#include <string>

namespace usina::inifile {
namespace {

using FileReplacementTest = IniFolder;

TEST_F(FileReplacementTest, PiecesOfEverySizeArriveWholeAtTheCommit) {
    writeRaw("antigo");
    std::string expected;
    {
        FileReplacement replacement(file_);
        // Small pieces fill the buffer, a large one goes past it, and the total passes a writeback step.
        for (int n = 0; n < 200000; ++n) {
            const std::string piece = std::to_string(n) + "\t";
            replacement.write(piece);
            expected += piece;
        }
        const std::string large(300000, 'x');
        replacement.write(large);
        expected += large;
        EXPECT_EQ(readRaw(), "antigo");
        ASSERT_TRUE(replacement.commit());
        EXPECT_EQ(replacement.failure(), 0);
    }
    EXPECT_EQ(readRaw(), expected);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);
}

TEST_F(FileReplacementTest, ReplacementNotCommittedLeavesTheOldFileAlone) {
    writeRaw("antigo");
    {
        FileReplacement replacement(file_);
        replacement.write(std::string(200000, 'y'));
    }
    EXPECT_EQ(readRaw(), "antigo");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);
}

TEST_F(FileReplacementTest, FolderThatIsNotThereFailsWithItsReason) {
    FileReplacement replacement(folder_ / "falta" / "arquivo.txt");
    replacement.write("nada");
    EXPECT_FALSE(replacement.commit());
    EXPECT_EQ(replacement.failure(), ENOENT);
}

} // namespace
} // namespace usina::inifile
