#include "tests/inifile/ini_fixture.h"

#include <filesystem>
#include <string>

namespace usina::inifile {
namespace {

namespace fs = std::filesystem;

using ProfileStrings = IniFolder;

TEST_F(ProfileStrings, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(read("Configuracoes", "MediaSilo1"), "<default>");
    EXPECT_FALSE(fs::exists(file_));
    writeRaw("[Configuracoes]\r\nMediaSilo1=4\r\n");
    EXPECT_EQ(read("Geral", "MediaSilo1"), "<default>");
    EXPECT_EQ(read("Configuracoes", "MediaSilo2"), "<default>");
    EXPECT_EQ(readProfileString(file_, "Geral", "Bloquear", ""), "");
}

TEST_F(ProfileStrings, FirstWritesBuildTheSettingsFileOfAFreshStation) {
    for (int silo = 1; silo <= 5; ++silo) {
        ASSERT_EQ(writeProfileString(file_, "Configuracoes", "MediaSilo" + std::to_string(silo), "1"),
                  ProfileWrite::written);
    }
    for (int channel = 6; channel <= 10; ++channel) {
        ASSERT_EQ(writeProfileString(file_, "Configuracoes", "MediaTmp" + std::to_string(channel), "1"),
                  ProfileWrite::written);
    }
    ASSERT_EQ(writeProfileString(file_, "Geral", "Bloquear", "1"), ProfileWrite::written);
    EXPECT_EQ(readRaw(), "[Configuracoes]\r\n"
                         "MediaSilo1=1\r\nMediaSilo2=1\r\nMediaSilo3=1\r\nMediaSilo4=1\r\nMediaSilo5=1\r\n"
                         "MediaTmp6=1\r\nMediaTmp7=1\r\nMediaTmp8=1\r\nMediaTmp9=1\r\nMediaTmp10=1\r\n"
                         "[Geral]\r\nBloquear=1\r\n");
    EXPECT_EQ(read("Configuracoes", "MediaTmp10"), "1");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1)
        << "a temporary file was left behind";
}

TEST_F(ProfileStrings, BlanksAroundNamesAndValuesAreIgnoredOnReading) {
    writeRaw("  [ Configuracoes ]  \r\n   MediaSilo3   =   4   \r\n\tMediaSilo4\t=\t5 6\t\r\n");
    EXPECT_EQ(read("Configuracoes", "MediaSilo3"), "4");
    EXPECT_EQ(read("Configuracoes", "MediaSilo4"), "5 6");
}

TEST_F(ProfileStrings, LongValuesAreCutToTheBuffer) {
    const std::string value(300, 'v');
    ASSERT_EQ(writeProfileString(file_, "S", "k", value), ProfileWrite::written);
    EXPECT_EQ(read("S", "k"), std::string(255, 'v'));
    EXPECT_EQ(readProfileString(file_, "S", "k", "", 301), value);
    EXPECT_EQ(readProfileString(file_, "S", "k", "", 4), "vvv");
    EXPECT_EQ(readProfileString(file_, "S", "k", "", 0), "");
    EXPECT_EQ(readProfileString(file_, "S", "missing", "default", 4), "def");
    // Characters, not bytes: an accented value is not cut inside a letter.
    ASSERT_EQ(writeProfileString(file_, "S", "k", "ççç"), ProfileWrite::written);
    EXPECT_EQ(readProfileString(file_, "S", "k", "", 3), "çç");
}

struct RewriteCase {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

TEST_F(ProfileStrings, WritesChangeOneLineAndKeepEveryOtherByte) {
    const RewriteCase cases[] = {
        {"new key at the end of its own section, not of the file",
         "[Configuracoes]\r\nMediaSilo1=2\r\n\r\n[Geral]\r\nBloquear=0\r\n", "Configuracoes", "MediaSilo2",
         "3", "[Configuracoes]\r\nMediaSilo1=2\r\nMediaSilo2=3\r\n\r\n[Geral]\r\nBloquear=0\r\n"},
        {"existing key replaced in place",
         "[Configuracoes]\r\nMediaSilo1=2\r\nMediaSilo2=7\r\n[Geral]\r\nBloquear=0\r\n", "Configuracoes",
         "MediaSilo1", "9", "[Configuracoes]\r\nMediaSilo1=9\r\nMediaSilo2=7\r\n[Geral]\r\nBloquear=0\r\n"},
        {"names found without regard to case", "[CONFIGURACOES]\r\nmediasilo3=5\r\n", "configuracoes",
         "MEDIASILO3", "6", "[CONFIGURACOES]\r\nmediasilo3=6\r\n"},
        {"new section at the end", "[Geral]\r\nBloquear=0\r\n", "Configuracoes", "MediaSilo1", "1",
         "[Geral]\r\nBloquear=0\r\n[Configuracoes]\r\nMediaSilo1=1\r\n"},
        {"comments and unknown lines kept",
         "; station settings\r\n[Geral]\r\n;Bloquear=8\r\na line without "
         "equals\r\nBloquear=1\r\nOutra=x=y\r\n",
         "Geral", "Bloquear", "0",
         "; station settings\r\n[Geral]\r\n;Bloquear=8\r\na line without "
         "equals\r\nBloquear=0\r\nOutra=x=y\r\n"},
        {"a file with LF ends keeps them, and its bytes", "[Configuracoes]\nMediaSilo1=2\n; Tra\xE7o\n",
         "Configuracoes", "Nome", "Tra\xE7o", "[Configuracoes]\nMediaSilo1=2\n; Tra\xE7o\nNome=Tra\xE7o\n"},
        {"a last line without its end gets one", "[Geral]\r\nBloquear=0", "Geral", "Outra", "1",
         "[Geral]\r\nBloquear=0\r\nOutra=1\r\n"},
        {"an empty value", "[Geral]\r\nBloquear=0\r\n", "Geral", "Bloquear", "", "[Geral]\r\nBloquear=\r\n"},
        {"a file with CR ends alone keeps them", "[Geral]\rBloquear=0\r[Outra]\rx=1", "Geral", "Bloquear",
         "1", "[Geral]\rBloquear=1\r[Outra]\rx=1\r"},
        {"a CR alone ends a line amid CR LF ends", "[Geral]\r\nBloquear=0\rOutra=2\r\n", "Geral", "Outra",
         "3", "[Geral]\r\nBloquear=0\rOutra=3\r\n"},
        {"a quoted value is replaced whole", "[Configuracoes]\r\nMediaSilo1=\"3\"\r\n", "Configuracoes",
         "MediaSilo1", "4", "[Configuracoes]\r\nMediaSilo1=4\r\n"},
    };
    for (const RewriteCase& c : cases) {
        SCOPED_TRACE(c.name);
        writeRaw(c.before);
        ASSERT_EQ(writeProfileString(file_, c.section, c.key, c.value), ProfileWrite::written);
        EXPECT_EQ(readRaw(), c.after);
        EXPECT_EQ(readProfileString(file_, c.section, c.key, "<default>"), c.value);
    }
}

TEST_F(ProfileStrings, ReadsFromEveryKindOfLine) {
    writeRaw("; a comment=no\r\n[Configuracoes]\nMediaSilo1=2\r\n;MediaSilo2=8\r\nOutra=x=y\r\n[Geral]\r\n"
             "MediaSilo2=5\rMediaSilo3=6\r[Velha]\rBloquear=0\r");
    EXPECT_EQ(read("Configuracoes", "MediaSilo1"), "2");
    EXPECT_EQ(read("Configuracoes", "MediaSilo2"), "<default>");
    EXPECT_EQ(read("Configuracoes", "Outra"), "x=y");
    EXPECT_EQ(read("Configuracoes", "; a comment"), "<default>");
    EXPECT_EQ(read("Geral", "MediaSilo2"), "5");
    EXPECT_EQ(read("Geral", "MediaSilo3"), "6");
    EXPECT_EQ(read("Geral", "Bloquear"), "<default>");
    EXPECT_EQ(read("Velha", "Bloquear"), "0");
}

TEST_F(ProfileStrings, QuotesAroundAValueAreDropped) {
    const struct {
        const char* line;
        const char* value;
    } cases[] = {
        {"k=\"3\"", "3"},       {"k = '3' ", "3"},        {"k=\" 3 \"", " 3 "}, {"k=\"\"", ""},
        {"k=\"3", "\"3"},       {"k=3\"", "3\""},         {"k=\"3'", "\"3'"},   {"k=\"", "\""},
        {"k=\"a\"b\"", "a\"b"}, {"k=a \"b\"", "a \"b\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        writeRaw(std::string("[S]\r\n") + c.line + "\r\n");
        EXPECT_EQ(read("S", "k"), c.value);
    }
}

TEST_F(ProfileStrings, FirstHeaderAfterAByteOrderMark) {
    writeRaw("\xEF\xBB\xBF[Geral]\r\nBloquear=0\r\n");
    EXPECT_EQ(read("Geral", "Bloquear"), "0");
}

TEST_F(ProfileStrings, WritesThatWouldBreakTheFileAreRefused) {
    writeRaw("[Geral]\r\nBloquear=0\r\n");
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } refused[] = {
        {"Geral", "Bloquear", "1\r\n[Outra]"}, {"Geral", "Bloquear", "1\n"}, {"Geral", "a=b", "1"},
        {"Ge]ral", "Bloquear", "1"},           {"Geral", "", "1"},           {"", "Bloquear", "1"},
        {"Geral", ";Bloquear", "1"},           {"Geral", "Blo\nquear", "1"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key + "/" + c.value);
        EXPECT_EQ(writeProfileString(file_, c.section, c.key, c.value), ProfileWrite::refused);
    }
    EXPECT_EQ(readRaw(), "[Geral]\r\nBloquear=0\r\n");
}

TEST_F(ProfileStrings, AnUnwritablePlaceReportsFailure) {
    EXPECT_EQ(writeProfileString(folder_ / "no-such-folder" / "Parametros.ini", "Geral", "Bloquear", "1"),
              ProfileWrite::failed);
    fs::create_directory(folder_ / "a-folder.ini");
    EXPECT_EQ(writeProfileString(folder_ / "a-folder.ini", "Geral", "Bloquear", "1"), ProfileWrite::failed);
    EXPECT_EQ(readProfileString(folder_ / "a-folder.ini", "Geral", "Bloquear", "d"), "d");
}

} // namespace
} // namespace usina::inifile
