// A start on a broken program folder ends in a message box that names the file, table and field and
// in a non-zero exit status, or, where the station can run, in the main window with the fault on its
// message line; the next start on the repaired folder works.

#include "tests/station/case_names.h"
#include "tests/station/station_fixture.h"
#include "tests/store/support/faulty_disk.h"
#include "tests/store/support/other_program.h"
#include "tests/store/support/unprivileged.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <sstream>

using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace usina::test {

namespace {

namespace fs = std::filesystem;

void overwrite(const fs::path& file, std::streamoff offset, const std::string& bytes) {
    std::fstream stream(file, std::ios::in | std::ios::out | std::ios::binary);
    stream.seekp(offset);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void makeReadableByAll(const fs::path& folder) {
    fs::permissions(folder, fs::perms::all);
    for (const auto& entry : fs::directory_iterator(folder)) {
        fs::permissions(entry.path(), fs::perms::all);
    }
}

constexpr fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
constexpr fs::perms readAndEnter =
    readOnly | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;

} // namespace

class BrokenStart;

struct BrokenStartCase {
    const char* name;
    std::function<void(BrokenStart&)> breakIt;
    // True: a message box and the end; false: the main window runs, its message line says it.
    bool ends;
    // What the message says: the file, the table, the field, the fault.
    std::vector<std::string> said;
    // The file protections mean nothing to root: those starts run as another user.
    bool asOtherUser = false;
};

class BrokenStart : public StationTest, public ::testing::WithParamInterface<BrokenStartCase> {
public:
    using StationTest::desktop;
    using StationTest::folder;
    using StationTest::sql;

    fs::path file(const std::string& name) const { return folder.path() / name; }

    // The row's root page overwritten: the file opens, the table's first read finds it damaged.
    void damageTheRootPageOf(const std::string& name, const std::string& table) const {
        const SqliteFile db(file(name));
        const int page =
            static_cast<int>(db.scalar("SELECT rootpage FROM sqlite_master WHERE name = ?", {table}).number);
        const int pageSize = static_cast<int>(db.scalar("PRAGMA page_size").number);
        overwrite(file(name), static_cast<std::streamoff>(page - 1) * pageSize, std::string(64, '\xFF'));
    }

    // What the start came to, in a form a child process can send back: "ends" (and whether the event
    // loop was left) or "runs", the exit status and the number of message boxes on the first line; then
    // each box's title, style and text, and the message line of a main window that runs.
    std::string outcomeOfStart() {
        const std::size_t boxesBefore = desktop.messageBoxes().size();
        start();
        const std::vector<forms::MessageBoxRequest> boxes(desktop.messageBoxes().begin() +
                                                              static_cast<std::ptrdiff_t>(boxesBefore),
                                                          desktop.messageBoxes().end());
        std::ostringstream said;
        const bool ended = station->ws().ended();
        said << (ended ? "ends" : "runs") << " status=" << station->exitStatus() << " boxes=" << boxes.size();
        if (ended) {
            said << " quit=" << desktop.quitRequested();
        }
        said << "\n";
        for (const forms::MessageBoxRequest& box : boxes) {
            said << box.title << " | " << box.style << " | " << box.prompt << "\n";
        }
        if (!ended) {
            said << "visible=" << main().visible() << " | " << main().LblOcorrenc.caption() << "\n";
        }
        return said.str();
    }

    // The delivered files again, and nothing else.
    void repair() {
        station.reset();
        disk.reset();
        otherProgram.reset();
        desktop.setScreenWidth(800);
        fs::permissions(folder.path(), fs::perms::all);
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            fs::remove_all(entry.path());
        }
        for (const char* name : deliveredFiles) {
            folder.copyOfDelivered(name);
        }
    }

    std::unique_ptr<store::testing::FaultyDisk> disk;
    std::unique_ptr<store::testing::OtherProgram> otherProgram;
};

TEST_P(BrokenStart, EndsWithAMessageNamingThePlaceOrRunsSayingItAndTheRepairedFolderStarts) {
    const BrokenStartCase& c = GetParam();
    c.breakIt(*this);
    const std::string outcome = c.asOtherUser
                                    ? store::testing::runUnprivileged([this] { return outcomeOfStart(); })
                                    : outcomeOfStart();
    if (c.ends) {
        EXPECT_THAT(outcome, StartsWith("ends status=1 boxes=1 quit=1\nRanvikv5011 | 16 | "));
    } else {
        EXPECT_THAT(outcome, StartsWith("runs status=0 boxes=0\nvisible=1 | "));
    }
    for (const std::string& part : c.said) {
        EXPECT_THAT(outcome, HasSubstr(part));
    }

    repair();
    EXPECT_EQ(outcomeOfStart(), "runs status=0 boxes=0\nvisible=1 | \n");
}

const BrokenStartCase brokenStarts[] = {
    {"ProdmaxDropped",
     [](BrokenStart& t) { t.sql("calranvik.mdb", "ALTER TABLE constantes DROP COLUMN prodmax"); },
     true,
     {"O programa não pode iniciar.",
      "O campo prodmax não existe na tabela constantes do arquivo calranvik.mdb"}},
    {"TotalDropped",
     [](BrokenStart& t) { t.sql("datranvik.mdb", "ALTER TABLE totalizador DROP COLUMN total"); },
     true,
     {"O campo total não existe na tabela totalizador do arquivo datranvik.mdb"}},
    {"ConstantsRowEmptied",
     [](BrokenStart& t) { t.sql("calranvik.mdb", "DELETE FROM constantes"); },
     true,
     {"tabela constantes, campo idioma, arquivo calranvik.mdb"}},
    {"GaugesRowEmptied",
     [](BrokenStart& t) { t.sql("calranvik.mdb", "DELETE FROM gauges"); },
     true,
     {"tabela gauges, campo escala 1, arquivo calranvik.mdb"}},
    {"TotalsRowEmptied",
     [](BrokenStart& t) { t.sql("datranvik.mdb", "DELETE FROM totalizador"); },
     true,
     {"tabela totalizador, campo total, arquivo datranvik.mdb"}},
    {"ProdmaxNull",
     [](BrokenStart& t) { t.sql("calranvik.mdb", "UPDATE constantes SET prodmax = NULL"); },
     true,
     {"Valor inválido (Null)", "tabela constantes, campo prodmax, arquivo calranvik.mdb"}},
    {"Prodmax40000",
     [](BrokenStart& t) { t.sql("calranvik.mdb", "UPDATE constantes SET prodmax = 40000"); },
     true,
     {"Erro 6: Valor inválido (40000): Estouro (tabela constantes, campo prodmax, arquivo calranvik.mdb)"}},
    {"TotalNoNumber",
     [](BrokenStart& t) { t.sql("datranvik.mdb", "UPDATE totalizador SET total = 'muito'"); },
     true,
     {"Valor inválido (muito)", "tabela totalizador, campo total, arquivo datranvik.mdb"}},
    {"ProductionRecordWithoutItsOccurrence",
     [](BrokenStart& t) { t.sql("datranvik.mdb", "ALTER TABLE Tabela DROP COLUMN Ocorrencias"); },
     true,
     {"O campo Ocorrencias não existe na tabela Tabela do arquivo datranvik.mdb"}},
    {"ErrorLogWithoutItsElement",
     [](BrokenStart& t) { t.sql("bdruntime.mdb", "ALTER TABLE Tblerro DROP COLUMN Elemento"); },
     true,
     {"O campo Elemento não existe na tabela Tblerro do arquivo bdruntime.mdb"}},
    {"TotalsDayKeptAsText",
     [](BrokenStart& t) {
         t.sql("datranvik.mdb", "ALTER TABLE totalizador RENAME TO velho;"
                                "CREATE TABLE totalizador (par_diaria DOUBLE, total DOUBLE, datatot TEXT);"
                                "INSERT INTO totalizador SELECT * FROM velho; DROP TABLE velho");
     },
     true,
     {"Erro 13: O campo datatot da tabela totalizador do arquivo datranvik.mdb não é de um tipo que o "
      "programa possa usar: é TEXT, deve ser DATE."}},
    {"MixSharesKeptAsWholeNumbers",
     [](BrokenStart& t) {
         t.sql("datranvik.mdb", "ALTER TABLE alt_mist DROP COLUMN quantdd3;"
                                "ALTER TABLE alt_mist ADD COLUMN quantdd3 INTEGER");
     },
     true,
     {"O campo quantdd3 da tabela alt_mist do arquivo datranvik.mdb não é de um tipo que o programa possa "
      "usar: é INTEGER, deve ser DOUBLE."}},
    // Names in other letter cases, types spelt otherwise that keep the same values, a level kept as a
    // whole number, a field of no type, and fields of the station's own: it runs.
    {"OtherSpellingsWiderTypesAndExtraFields",
     [](BrokenStart& t) {
         t.sql("datranvik.mdb",
               "ALTER TABLE totalizador RENAME TO velho;"
               "CREATE TABLE totalizador (PAR_DIARIA REAL, Total NUMERIC, DataTot DATE, obs VARCHAR(40));"
               "INSERT INTO totalizador (PAR_DIARIA, Total, DataTot) SELECT * FROM velho; DROP TABLE velho;"
               "ALTER TABLE senhas RENAME TO velho;"
               "CREATE TABLE senhas (login1 TEXT PRIMARY KEY COLLATE PTNOCASE, senha1 VARCHAR(200), "
               "permissao INTEGER);"
               "INSERT INTO senhas SELECT * FROM velho; DROP TABLE velho;"
               "ALTER TABLE Tabela ADD COLUMN turno TEXT; ALTER TABLE Tabela DROP COLUMN fase;"
               "ALTER TABLE Tabela ADD COLUMN fase INTEGER; ALTER TABLE Tabela DROP COLUMN usuario;"
               "ALTER TABLE Tabela ADD COLUMN usuario");
     },
     false,
     {}},
    {"ConstantThatIsNoNumber",
     [](BrokenStart& t) { t.sql("calranvik.mdb", "UPDATE constantes SET kpes1 = 'abc'"); },
     true,
     {"Erro 13: Valor inválido (abc): Tipos incompatíveis (tabela constantes, campo kpes1, arquivo "
      "calranvik.mdb)"}},
    {"RecordingPeriodNull",
     [](BrokenStart& t) { t.sql("calranvik.mdb", "UPDATE constantes SET tgrav = NULL"); },
     true,
     {"Erro 94: Valor inválido (Null)", "tabela constantes, campo tgrav, arquivo calranvik.mdb"}},
    {"RecordingPeriodBeyondTheCounter",
     [](BrokenStart& t) { t.sql("calranvik.mdb", "UPDATE constantes SET tgrav = 600"); },
     true,
     {"Erro 6: Valor inválido (600): Estouro (tabela constantes, campo tgrav, arquivo calranvik.mdb)"}},
    {"GaugeBandThatIsNoNumber",
     [](BrokenStart& t) { t.sql("calranvik.mdb", "UPDATE gauges SET \"fim verm 5\" = 'x'"); },
     true,
     {"Valor inválido (x)", "tabela gauges, campo fim verm 5, arquivo calranvik.mdb"}},
    {"DatabaseHeldByAnotherProgram",
     [](BrokenStart& t) {
         t.otherProgram = std::make_unique<store::testing::OtherProgram>(t.file("datranvik.mdb"),
                                                                         store::testing::holdsTheWholeFile);
     },
     true,
     {"O arquivo datranvik.mdb está em uso por outro programa (tabela Tabela)"}},
    {"MissingFile",
     [](BrokenStart& t) { fs::remove(t.file("calranvik.mdb")); },
     true,
     {"O arquivo calranvik.mdb não foi encontrado na pasta "}},
    {"MissingTable",
     [](BrokenStart& t) { t.sql("datranvik.mdb", "DROP TABLE senhas"); },
     true,
     {"A tabela senhas não existe no arquivo datranvik.mdb"}},
    {"NoDatabase",
     [](BrokenStart& t) { std::ofstream(t.file("idioma.mdb"), std::ios::binary) << std::string(4096, 'x'); },
     true,
     {"O arquivo idioma.mdb não é um banco de dados"}},
    {"DamagedPage",
     [](BrokenStart& t) { t.damageTheRootPageOf("datranvik.mdb", "totalizador"); },
     true,
     {"O arquivo datranvik.mdb está danificado (tabela totalizador)"}},
    {"FifoInPlaceOfADatabase",
     [](BrokenStart& t) {
         fs::remove(t.file("bdruntime.mdb"));
         ASSERT_EQ(::mkfifo(t.file("bdruntime.mdb").c_str(), 0600), 0);
     },
     true,
     {"O arquivo bdruntime.mdb não é um arquivo comum", "é um FIFO"}},
    {"ZeroByteDatabase",
     [](BrokenStart& t) { fs::resize_file(t.file("dat2.mdb"), 0); },
     true,
     {"O arquivo dat2.mdb está vazio (0 bytes)"}},
    {"ReadOnlyDatabase",
     [](BrokenStart& t) {
         makeReadableByAll(t.folder.path());
         fs::permissions(t.file("datranvik.mdb"), readOnly);
     },
     true,
     {"O arquivo datranvik.mdb está protegido contra gravação"},
     true},
    {"ReadOnlyFolder",
     [](BrokenStart& t) {
         makeReadableByAll(t.folder.path());
         fs::permissions(t.folder.path(), readAndEnter);
     },
     true,
     {", onde está o arquivo dat2.mdb, está protegida contra gravação"},
     true},
    {"NarrowScreen",
     [](BrokenStart& t) { t.desktop.setScreenWidth(799); },
     true,
     {"Mude a resolução do seu monitor para 800x600."}},
    {"NearlyFullDisk",
     [](BrokenStart& t) {
         t.sql("datranvik.mdb", "UPDATE totalizador SET datatot = '2026-12-09'");
         t.disk = std::make_unique<store::testing::FaultyDisk>();
         t.disk->failWrites(SQLITE_FULL);
     },
     false,
     {"O disco onde está o arquivo datranvik.mdb está cheio (tabela totalizador)"}},
    {"LanguageTheTextsLack",
     [](BrokenStart& t) { t.sql("calranvik.mdb", "UPDATE constantes SET idioma = 'klingon'"); },
     false,
     {"Idioma 'klingon' sem textos (constantes.idioma, calranvik.mdb): em português"}},
    {"LanguageColumnDropped",
     [](BrokenStart& t) {
         t.sql("idioma.mdb", "ALTER TABLE lingua DROP COLUMN alemao");
         t.sql("calranvik.mdb", "UPDATE constantes SET idioma = 'alemao'");
     },
     false,
     {"Idioma 'alemao' sem textos"}},
    {"LanguageEmpty",
     [](BrokenStart& t) { t.sql("calranvik.mdb", "UPDATE constantes SET idioma = NULL"); },
     false,
     {"Idioma vazio (constantes.idioma, calranvik.mdb): textos em português"}},
    {"NoPortugueseToFallBackOn",
     [](BrokenStart& t) {
         t.sql("idioma.mdb", "ALTER TABLE lingua DROP COLUMN portugues");
         t.sql("calranvik.mdb", "UPDATE constantes SET idioma = 'klingon'");
     },
     true,
     {"O campo portugues não existe na tabela lingua do arquivo idioma.mdb"}},
};

INSTANTIATE_TEST_SUITE_P(Faults, BrokenStart, ::testing::ValuesIn(brokenStarts), CaseName());

TEST_F(StationTest, ZeroByteDatabaseIsLeftAsItWas) {
    std::filesystem::resize_file(folder.path() / "dat2.mdb", 0);
    start();
    EXPECT_TRUE(station->ws().ended());
    EXPECT_EQ(std::filesystem::file_size(folder.path() / "dat2.mdb"), 0u);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "dat2.mdb-wal"));
}

TEST_F(StationTest, FaultOfTheMainWindowsLoadIsLoggedWithTheWindowAndTheStep) {
    sql("calranvik.mdb", "UPDATE constantes SET prodmax = NULL");
    start();
    station.reset();
    const auto rows =
        database("bdruntime.mdb").query("SELECT \"Num do erro\", Erro, Forma, Elemento FROM Tblerro");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].number, error_number::invalidUseOfNull);
    EXPECT_THAT(rows[0][1].text, HasSubstr("campo prodmax"));
    EXPECT_EQ(rows[0][2].text, "FormRanvikv5");
    EXPECT_EQ(rows[0][3].text, "Form_load");
}

} // namespace usina::test
