// The settings file as the start reads it.

#include "platform/inifile/replace_file.h"
#include "tests/station/case_names.h"
#include "tests/station/station_fixture.h"

#include <sys/stat.h>

#include <fstream>
#include <functional>

using ::testing::HasSubstr;

namespace usina::test {

TEST_F(StationTest, MissingSettingsFileGivesCountsOfOneTheLockAndANewFileWithElevenKeys) {
    start();
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(settings().SiloAverageCount[i], 1);
        EXPECT_EQ(settings().TempAverageCount[i], 1);
    }
    EXPECT_TRUE(settings().LockStartDuringConfig);
    EXPECT_EQ(readSettings(),
              "[Configuracoes]\r\nMediaSilo1=1\r\nMediaSilo2=1\r\nMediaSilo3=1\r\nMediaSilo4=1\r\n"
              "MediaSilo5=1\r\nMediaTmp6=1\r\nMediaTmp7=1\r\nMediaTmp8=1\r\nMediaTmp9=1\r\n"
              "MediaTmp10=1\r\n[Geral]\r\nBloquear=1\r\n");
}

struct SettingCase {
    const char* name;
    const char* stored;
    int count;      // MediaSilo3 as loaded
    bool rewritten; // "1" written back
};

class SettingsValues : public StationTest, public ::testing::WithParamInterface<SettingCase> {};

TEST_P(SettingsValues, MediaSilo3IsReadLimitedAndRewrittenOnlyWhenNoNumber) {
    const SettingCase& c = GetParam();
    writeSettings(std::string("[Configuracoes]\r\nMediaSilo3=") + c.stored +
                  "\r\nMediaTmp8=4\r\n[Geral]\r\nBloquear=0\r\n");
    start();
    EXPECT_EQ(settings().SiloAverageCount[3], c.count);
    EXPECT_EQ(settings().TempAverageCount[3], 4);
    const std::string file = readSettings();
    EXPECT_EQ(file.find("MediaSilo3=1\r\n") != std::string::npos,
              c.rewritten || std::string(c.stored) == "1");
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsValues,
    ::testing::Values(SettingCase{"FourWithBlanks", " 4 ", 4, false}, SettingCase{"Empty", "", 1, true},
                      SettingCase{"Text", "abc", 1, true}, SettingCase{"TwoAndAHalf", "2,5", 2, false},
                      SettingCase{"ThreeAndAHalf", "3,5", 4, false}, SettingCase{"Zero", "0", 1, false},
                      SettingCase{"Fifteen", "15", 10, false}, SettingCase{"Negative", "-3", 1, false},
                      SettingCase{"BeyondSixteenBits", "99999", 10, false},
                      SettingCase{"DecimalPoint", "2.5", 1, true}),
    CaseName());

struct LockCase {
    const char* name;
    const char* stored;
    bool locked;
    bool rewritten;
};

class LockValues : public StationTest, public ::testing::WithParamInterface<LockCase> {};

TEST_P(LockValues, BloquearIsOnOnlyForOne) {
    const LockCase& c = GetParam();
    writeSettings(std::string("[Geral]\r\nBloquear=") + c.stored + "\r\n");
    start();
    EXPECT_EQ(settings().LockStartDuringConfig, c.locked);
    EXPECT_EQ(readSettings().find("Bloquear=1\r\n") != std::string::npos,
              c.rewritten || std::string(c.stored) == "1");
    EXPECT_EQ(readSettings().find(std::string("Bloquear=") + c.stored) != std::string::npos, !c.rewritten);
}

INSTANTIATE_TEST_SUITE_P(Values, LockValues,
                         ::testing::Values(LockCase{"Zero", "0", false, false},
                                           LockCase{"One", "1", true, false},
                                           LockCase{"Two", "2", false, false},
                                           LockCase{"Text", "sim", true, true},
                                           LockCase{"BeyondSixteenBits", "100000", false, false}),
                         CaseName());

TEST_F(StationTest, ReadIniValueCutsAt255CharactersAndTrims) {
    start();
    const std::string file = settingsFile().string();
    settings().WriteIniValue(file, "Teste", "Longo", std::string(300, 'x'));
    EXPECT_EQ(settings().ReadIniValue(file, "Teste", "Longo", ""), std::string(255, 'x'));
    EXPECT_EQ(settings().ReadIniValue(file, "Teste", "Falta", "padrao"), "padrao");
    settings().WriteIniValue(file, "Teste", "Vazio", "");
    EXPECT_EQ(settings().ReadIniValue(file, "Teste", "Vazio", "padrao"), "");
}

TEST_F(StationTest, TemporaryFilesOfKilledWritesAreRemovedAtTheStart) {
    const std::filesystem::path leftover = folder.path() / "Parametros.ini.tmp-a1B2c3";
    std::ofstream(leftover) << "[Configuracoes]\r\n";
    ASSERT_TRUE(inifile::isTemporaryOf(settingsFile(), leftover));
    start();
    EXPECT_FALSE(std::filesystem::exists(leftover));
}

struct ProtectedSettingsCase {
    const char* name;
    std::function<void(const std::filesystem::path& file)> protect;
    const char* logged;
};

class ProtectedSettings : public StationTest, public ::testing::WithParamInterface<ProtectedSettingsCase> {};

// Every key is missing, so the start would write eleven of them back; the constants screen writes more.
TEST_P(ProtectedSettings, FileIsReadNeverReplacedAndTheRefusalLoggedOnce) {
    const ProtectedSettingsCase& c = GetParam();
    writeSettings("[Configuracoes]\r\nMediaSilo2=3\r\n");
    c.protect(settingsFile());
    const auto before = std::filesystem::symlink_status(settingsFile()).type();
    start();
    settings().WriteIniValue(settingsFile().string(), "Configuracoes", "MediaSilo1", "4");
    EXPECT_EQ(std::filesystem::symlink_status(settingsFile()).type(), before);
    if (before == std::filesystem::file_type::regular) {
        EXPECT_EQ(readSettings(), "[Configuracoes]\r\nMediaSilo2=3\r\n");
        EXPECT_EQ(settings().SiloAverageCount[2], 3);
    }
    const auto rows = database("bdruntime.mdb").query("SELECT Erro, Forma, Elemento FROM Tblerro");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].text, c.logged);
    EXPECT_EQ(rows[0][1].text, "Module1");
    EXPECT_EQ(rows[0][2].text, "WriteIniValue");
    if (before == std::filesystem::file_type::symlink) {
        std::filesystem::remove(std::filesystem::read_symlink(settingsFile()));
    }
}

const ProtectedSettingsCase protectedSettings[] = {
    {"ReadOnly",
     [](const std::filesystem::path& file) {
         std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                                std::filesystem::perms::group_read);
     },
     "Parametros.ini é somente leitura: o arquivo não foi gravado e os valores lidos ficam em uso"},
    {"OtherNames",
     [](const std::filesystem::path& file) {
         std::filesystem::create_hard_link(file, file.parent_path() / "copia.ini");
     },
     "Parametros.ini tem outros nomes (ligações físicas): o arquivo não foi gravado e os valores lidos ficam "
     "em uso"},
    {"LinkOutsideTheFolder",
     [](const std::filesystem::path& file) {
         const std::filesystem::path outside =
             file.parent_path().parent_path() / (file.parent_path().filename().string() + ".ini");
         std::filesystem::rename(file, outside);
         std::filesystem::create_symlink(outside, file);
     },
     "Parametros.ini é uma ligação para fora da pasta do programa: o arquivo não foi gravado e os valores "
     "lidos ficam em uso"},
    {"Fifo",
     [](const std::filesystem::path& file) {
         std::filesystem::remove(file);
         ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
     },
     "Parametros.ini não pôde ser gravado (pasta, disco ou permissão): o arquivo não foi gravado e os "
     "valores "
     "lidos ficam em uso"},
};

INSTANTIATE_TEST_SUITE_P(Protections, ProtectedSettings, ::testing::ValuesIn(protectedSettings), CaseName());

} // namespace usina::test
