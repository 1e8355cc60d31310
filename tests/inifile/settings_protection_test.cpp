// A settings file that is protected against the program is read and never replaced; a link is followed
// only inside its folder; a killed write leaves nothing that survives the next start.

#include "platform/inifile/replace_file.h"
#include "platform/inifile/write_target.h"
#include "tests/inifile/ini_fixture.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace usina::inifile {
namespace {

namespace fs = std::filesystem;

constexpr const char* settings = "[Configuracoes]\r\nMediaSilo1=4\r\n";

class SettingsProtection : public IniFolder {
protected:
    // Inode and content of a file, to tell that it was neither rewritten nor replaced.
    struct Identity {
        ino_t inode;
        std::string content;
        bool operator==(const Identity&) const = default;
    };
    static Identity identityOf(const fs::path& file) {
        struct stat status {};
        EXPECT_EQ(::stat(file.c_str(), &status), 0) << file;
        return {status.st_ino, readRaw(file)};
    }
    std::vector<std::string> folderNames() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

// The verdict rests on the file's owner and mode bits, never on what the user could override, so it is
// the same for root and for an ordinary user.
TEST(WritePermission, OnlyTheProgramsOwnWritableSingleNamedFileIsReplaced) {
    const struct {
        const char* name;
        uid_t owner;
        mode_t mode;
        nlink_t links;
        uid_t user;
        ProfileWrite verdict;
    } cases[] = {
        {"own file", 1000, 0644, 1, 1000, ProfileWrite::written},
        {"own file, writable by the owner only", 1000, 0200, 1, 1000, ProfileWrite::written},
        {"own read-only file", 1000, 0444, 1, 1000, ProfileWrite::readOnly},
        {"root's read-only file, for root", 0, 0444, 1, 0, ProfileWrite::readOnly},
        {"root's file, for another user, even writable by all", 0, 0666, 1, 1000, ProfileWrite::otherOwner},
        {"a user's file, for root", 1000, 0644, 1, 0, ProfileWrite::otherOwner},
        {"own file with a second name", 1000, 0644, 2, 1000, ProfileWrite::otherNames},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        struct stat status {};
        status.st_uid = c.owner;
        status.st_mode = S_IFREG | c.mode;
        status.st_nlink = c.links;
        EXPECT_EQ(replaceableBy(status, c.user), c.verdict);
    }
}

TEST_F(SettingsProtection, AProtectedFileIsReadAndLeftExactlyAsItWas) {
    const struct {
        const char* name;
        std::function<void(const fs::path& file, const fs::path& folder)> protect;
        ProfileWrite verdict;
    } cases[] = {
        {"read-only", [](const fs::path& file, const fs::path&) { fs::permissions(file, fs::perms(0444)); },
         ProfileWrite::readOnly},
        {"a second name",
         [](const fs::path& file, const fs::path& folder) {
             fs::create_hard_link(file, folder / "copia.ini");
         },
         ProfileWrite::otherNames},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        writeRaw(settings);
        c.protect(file_, folder_);
        const Identity before = identityOf(file_);
        const std::vector<std::string> names = folderNames();

        EXPECT_EQ(writeProfileString(file_, "Configuracoes", "MediaSilo2", "1"), c.verdict);
        EXPECT_EQ(writeProfileString(file_, "Configuracoes", "MediaSilo1", "1"), c.verdict);
        EXPECT_TRUE(isProtected(c.verdict));
        EXPECT_EQ(identityOf(file_), before);
        EXPECT_EQ(folderNames(), names) << "nothing was added beside it";
        EXPECT_EQ(read("Configuracoes", "MediaSilo1"), "4");
    }
}

TEST_F(SettingsProtection, AnotherUsersFileKeepsItsOwner) {
    writeRaw(settings);
    const uid_t stranger = ::geteuid() + 4242;
    if (::chown(file_.c_str(), stranger, static_cast<gid_t>(-1)) != 0) {
        GTEST_SKIP() << "only root can give a file away";
    }
    const Identity before = identityOf(file_);
    EXPECT_EQ(writeProfileString(file_, "Configuracoes", "MediaSilo2", "1"), ProfileWrite::otherOwner);
    EXPECT_EQ(identityOf(file_), before);
    struct stat status {};
    ASSERT_EQ(::stat(file_.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, stranger);
    EXPECT_EQ(read("Configuracoes", "MediaSilo1"), "4");
}

TEST_F(SettingsProtection, ALinkOutOfTheFolderIsReadButNeitherFollowedNorReplaced) {
    const fs::path systemFile = outside_ / "shadow";
    writeRaw(systemFile, "root:$6$hash:19000:0:99999:7:::\n[Configuracoes]\nMediaSilo1=3\n");
    const Identity before = identityOf(systemFile);
    for (const fs::path& target : {systemFile, fs::path("../sistema/shadow"), outside_ / "nothing-here"}) {
        SCOPED_TRACE(target.string());
        fs::remove(file_);
        fs::create_symlink(target, file_);
        EXPECT_EQ(writeProfileString(file_, "Configuracoes", "MediaSilo2", "1"), ProfileWrite::linkOutside);
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(file_)));
        EXPECT_EQ(fs::read_symlink(file_), target);
        EXPECT_EQ(folderNames(), std::vector<std::string>{"Parametros.ini"});
    }
    EXPECT_EQ(identityOf(systemFile), before);
    EXPECT_FALSE(fs::exists(outside_ / "nothing-here"));
    fs::remove(file_);
    fs::create_symlink(systemFile, file_);
    EXPECT_EQ(read("Configuracoes", "MediaSilo1"), "3");
}

TEST_F(SettingsProtection, ALinkInsideTheFolderIsWrittenThroughAndStaysALink) {
    fs::create_directories(folder_ / "planta2");
    const fs::path target = folder_ / "planta2" / "Parametros.ini";
    writeRaw(target, settings);
    fs::create_symlink("planta2/Parametros.ini", file_);

    EXPECT_EQ(writeProfileString(file_, "Configuracoes", "MediaSilo2", "5"), ProfileWrite::written);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(file_)));
    EXPECT_EQ(readRaw(target), "[Configuracoes]\r\nMediaSilo1=4\r\nMediaSilo2=5\r\n");
    EXPECT_EQ(read("Configuracoes", "MediaSilo2"), "5");

    // The target is judged as the file itself would be.
    fs::permissions(target, fs::perms(0444));
    EXPECT_EQ(writeProfileString(file_, "Configuracoes", "MediaSilo2", "6"), ProfileWrite::readOnly);
    EXPECT_EQ(read("Configuracoes", "MediaSilo2"), "5");
}

TEST_F(SettingsProtection, WhatAKilledWriteLeftIsRemovedAndNothingElse) {
    writeRaw(settings);
    fs::create_directories(folder_ / "planta2");
    writeRaw(folder_ / "planta2" / "Parametros.ini", settings);
    const std::vector<std::string> leftovers = {"Parametros.ini.tmp-a1B2c3", "Parametros.ini.tmp-XXXXXX"};
    const std::vector<std::string> kept = {"Parametros.ini",
                                           "Parametros.ini.tmp-abc",
                                           "Parametros.ini.tmp-abc1234",
                                           "Parametros.ini.tmp-ab.c12",
                                           "Outro.ini.tmp-a1B2c3",
                                           "Parametros.ini.tmp-link12"};
    for (const std::string& name : leftovers) {
        writeRaw(folder_ / name, "[Configura");
        EXPECT_TRUE(isTemporaryOf(file_, folder_ / name)) << name;
    }
    for (const std::string& name : kept) {
        if (!fs::exists(folder_ / name)) {
            writeRaw(folder_ / name, "x");
        }
    }
    fs::remove(folder_ / "Parametros.ini.tmp-link12");
    fs::create_symlink("Parametros.ini", folder_ / "Parametros.ini.tmp-link12");

    EXPECT_EQ(removeLeftoverWrites(file_), 2);
    std::vector<std::string> expected = kept;
    expected.push_back("planta2");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folderNames(), expected);
    EXPECT_EQ(readRaw(), settings);

    // Through a link inside the folder, the leftovers of its target's writes go too.
    writeRaw(folder_ / "planta2" / "Parametros.ini.tmp-Zz9Zz9", "[Configura");
    fs::remove(file_);
    fs::create_symlink("planta2/Parametros.ini", file_);
    EXPECT_EQ(removeLeftoverWrites(file_), 1);
    EXPECT_FALSE(fs::exists(folder_ / "planta2" / "Parametros.ini.tmp-Zz9Zz9"));
}

} // namespace
} // namespace usina::inifile
