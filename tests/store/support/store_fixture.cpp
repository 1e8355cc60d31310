#include "tests/store/support/store_fixture.h"

#include "platform/store/schema_conventions.h"
#include "platform/value/conversions.h"

#include <sqlite3.h>

#include <cstdlib>
#include <stdexcept>

namespace usina {

void PrintTo(const Value& value, std::ostream* out) {
    switch (value.kind()) {
    case Value::Kind::Empty:
        *out << "Empty";
        return;
    case Value::Kind::Null:
        *out << "Null";
        return;
    case Value::Kind::Text:
        *out << '"' << value.text() << '"';
        return;
    case Value::Kind::Date:
        *out << "Date " << value.date().iso();
        return;
    case Value::Kind::Time:
        *out << "Time " << value.time().hms();
        return;
    default:
        *out << toText(value);
    }
}

} // namespace usina

namespace usina::store::testing {
namespace {

class RawConnection {
public:
    RawConnection(const std::filesystem::path& file, int flags) {
        if (sqlite3_open_v2(file.c_str(), &db_, flags, nullptr) != SQLITE_OK)
            throw std::runtime_error("cannot open " + file.string());
        registerCollations(db_);
    }
    ~RawConnection() { sqlite3_close_v2(db_); }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    void execute(const std::string& sql) const {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            const std::string message = error != nullptr ? error : "?";
            sqlite3_free(error);
            throw std::runtime_error(message + " in: " + sql);
        }
    }

    std::string firstText(const std::string& sql) const {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in: " + sql);
        std::string text = "no row";
        if (sqlite3_step(statement) == SQLITE_ROW) {
            const auto* bytes = sqlite3_column_text(statement, 0);
            text = bytes != nullptr ? reinterpret_cast<const char*>(bytes) : "NULL";
        }
        sqlite3_finalize(statement);
        return text;
    }

private:
    sqlite3* db_ = nullptr;
};

} // namespace

StoreTest::StoreTest() {
    std::string pattern = (std::filesystem::temp_directory_path() / "usina-store-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary folder");
    folder_ = pattern;
}

StoreTest::~StoreTest() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::filesystem::path StoreTest::createDatabase(const std::string& fileName, const std::string& sql) const {
    const auto file = path(fileName);
    RawConnection(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE).execute(sql);
    return file;
}

void StoreTest::execute(const std::filesystem::path& file, const std::string& sql) const {
    RawConnection(file, SQLITE_OPEN_READWRITE).execute(sql);
}

std::string StoreTest::rawText(const std::filesystem::path& file, const std::string& sql) const {
    return RawConnection(file, SQLITE_OPEN_READONLY).firstText(sql);
}

std::filesystem::path StoreTest::createPlantDatabase(const std::string& fileName) const {
    return createDatabase(fileName, R"sql(
        PRAGMA journal_mode = WAL;
        PRAGMA user_version = 1;
        CREATE TABLE alt_mist (
            mistura TEXT PRIMARY KEY COLLATE PTNOCASE,
            producao_o DOUBLE,
            quantdd1 DOUBLE,
            tempo_asf SMALLINT DEFAULT 7,
            "silo 1" TEXT);
        INSERT INTO alt_mist VALUES ('Pedra', 120, 30, 5, 'brita 1');
        INSERT INTO alt_mist VALUES ('areia', 80, 60, 10, 'areia fina');
        INSERT INTO alt_mist VALUES ('ação', 100, 40, 3, 'pó');
        INSERT INTO alt_mist VALUES ('Brita', 90, 20, 4, 'brita 0');
        CREATE TABLE Tabela (
            fase SMALLINT, DATA DATE, hora TIME, receita TEXT, producao DOUBLE, Ocorrencias TEXT);
        CREATE TABLE RelCarga (
            codigo_cupom INTEGER PRIMARY KEY AUTOINCREMENT,
            "Data_emissão" DATE, quant_carga INTEGER, placa TEXT DEFAULT 's/placa');
        CREATE TABLE Tblerro (
            "Data" DATE, "Hora" TIME, "Num do erro" INTEGER, "Erro" TEXT, "0t1" DOUBLE);
        CREATE TABLE totalizador (par_diaria DOUBLE, total DOUBLE, datatot DATE);
        INSERT INTO totalizador VALUES (0, 0, '2026-03-05');
        CREATE TABLE RelProducao (Num TEXT, Prod TEXT, item SMALLINT);
        INSERT INTO RelProducao VALUES ('00000000', '0,00', 1);
    )sql");
}

} // namespace usina::store::testing
