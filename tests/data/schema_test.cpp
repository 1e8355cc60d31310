// The five delivered files hold the thirteen tables with the fields the program names, spelled as it
// writes them, and the keys behave as the store relies on.

#include "tests/data/delivered_databases.h"

#include "platform/store/key_order/key_order.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <string>
#include <vector>

namespace usina::test {
namespace {

using ::testing::IsSupersetOf;

std::vector<std::string> numbered(const std::string& prefix, int first = 1, int last = 5) {
    std::vector<std::string> names;
    for (int i = first; i <= last; ++i)
        names.push_back(prefix + std::to_string(i));
    return names;
}

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

struct TableFields {
    std::string file;
    std::string table;
    std::vector<std::string> fields;
};

std::vector<TableFields> expectedFields() {
    std::vector<std::string> gaugeFields;
    for (int n = 1; n <= 5; ++n)
        for (const char* phrase : {"escala ", "inicio verd ", "fim verd ", "inicio amar ", "fim amar ",
                                   "inicio verm ", "fim verm "})
            gaugeFields.push_back(phrase + std::to_string(n));
    const std::vector<std::string> reportHead = {"Num", "Data_emissão", "Hora_emissão"};
    const std::vector<std::string> reportTail = {"DataSelecao", "item"};
    return {
        {"datranvik.mdb", "Tabela",
         joined({{"usuario", "fase", "DATA", "hora", "receita", "producao"},
                 numbered("sil"),
                 numbered("silo"),
                 numbered("h_silo"),
                 numbered("p_silo"),
                 numbered("vel_s"),
                 numbered("tot_s"),
                 {"asfalto", "filler", "malteno", "par_asf", "par_fil", "par_fibra", "par_malt", "parcial",
                  "diaria", "total"},
                 numbered("Temp"),
                 {"Ocorrencias"}})},
        {"datranvik.mdb", "alt_mist",
         joined({{"mistura", "producao_o"},
                 numbered("quantdd"),
                 {"asfalto", "filler", "malteno", "fibra", "tempo_asf", "tempo_fill", "tempo_malt",
                  "tempo_fibra"},
                 numbered("silo ")})},
        {"datranvik.mdb", "bits", {}},
        {"datranvik.mdb", "senhas", {"login1", "senha1", "permissao"}},
        {"datranvik.mdb", "totalizador", {"par_diaria", "total", "datatot"}},
        {"calranvik.mdb", "constantes",
         joined({numbered("kpes"),
                 numbered("kvel"),
                 numbered("tara"),
                 {"kasf", "kfill", "kfibra", "kmalt"},
                 numbered("nomet"),
                 numbered("0t"),
                 numbered("kt"),
                 numbered("mint"),
                 numbered("maxt"),
                 {"prodmax", "tgrav", "saidafb", "saidamal", "idioma"}})},
        {"calranvik.mdb", "gauges", gaugeFields},
        {"idioma.mdb",
         "lingua",
         {"texto", "portugues", "espanhol", "ingles", "italiano", "frances", "alemao"}},
        {"bdruntime.mdb", "Tblerro", {"Data", "Hora", "Num do erro", "Erro", "Forma", "Elemento"}},
        {"dat2.mdb", "RelCarga",
         joined({{"codigo_cupom", "data_emissao", "hora_emissao", "nome_traco", "quant_carga", "responsavel",
                  "placa"},
                 numbered("temp_traco"),
                 numbered("Media"),
                 numbered("Material"),
                 numbered("Temp_Min"),
                 numbered("Temp_Max"),
                 numbered("Lim_Min"),
                 numbered("Lim_Max")})},
        {"dat2.mdb", "RelProducao", joined({reportHead, {"Nome_traco", "Prod"}, reportTail})},
        {"dat2.mdb", "RelConMat",
         joined({reportHead,
                 {"Nome_traco", "Silo1", "Silo2", "Silo3", "Silo4", "CAP", "Filler", "Fibra", "Fresado",
                  "Malteno"},
                 reportTail})},
        {"dat2.mdb", "RelPlacas",
         joined({reportHead, {"NumPlaca", "NumCargas", "SomaProducao"}, reportTail})},
    };
}

class Schema : public DeliveredDatabases {};

TEST_F(Schema, EachFileHoldsExactlyItsTables) {
    for (const auto& [file, tables] : tablesByFile()) {
        std::vector<std::string> expected = tables;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(database(file).tableNames(), expected) << file;
    }
}

TEST_F(Schema, EveryTableHasTheFieldsTheProgramNames) {
    const auto expected = expectedFields();
    ASSERT_EQ(expected.size(), 13u);
    for (const TableFields& table : expected)
        EXPECT_THAT(database(table.file).columnNames(table.table), IsSupersetOf(table.fields))
            << table.file << " " << table.table;
}

TEST_F(Schema, EveryFileIsInWalModeWithItsKeysInTodaysOrder) {
    for (const auto& [file, tables] : tablesByFile()) {
        EXPECT_EQ(database(file).scalar("PRAGMA journal_mode").text, "wal") << file;
        EXPECT_EQ(database(file).scalar("PRAGMA user_version").number, store::keyOrderVersion) << file;
    }
}

// Text keys are found whatever the letter case, accented capitals included, while blanks still count.
TEST_F(Schema, TextKeysCompareWithoutRegardToCaseButWithTheirBlanks) {
    struct Lookup {
        std::string file, table, key, value;
        int found;
    };
    const std::vector<Lookup> lookups = {
        {"datranvik.mdb", "senhas", "login1", "KREMO", 1},
        {"datranvik.mdb", "alt_mist", "mistura", "cbuq faixa c", 1},
        {"idioma.mdb", "lingua", "texto", "USINA DE ASFALTO", 1},
        {"idioma.mdb", "lingua", "texto", "PRODUÇÃO", 1},
        {"idioma.mdb", "lingua", "texto", "Excluir ", 1},
        {"idioma.mdb", "lingua", "texto", "Excluir", 0},
        {"idioma.mdb", "lingua", "texto", "00h00m00s", 0},
    };
    for (const Lookup& lookup : lookups) {
        const std::string sql =
            "SELECT count(*) FROM \"" + lookup.table + "\" WHERE \"" + lookup.key + "\" = ?1";
        EXPECT_EQ(database(lookup.file).scalar(sql, {lookup.value}).number, lookup.found)
            << lookup.table << " '" << lookup.value << "'";
    }
}

TEST_F(Schema, TextKeysRefuseACaseVariantOfAStoredKey) {
    EXPECT_ANY_THROW(database("datranvik.mdb").execute("INSERT INTO senhas (login1) VALUES ('Kremo')"));
    EXPECT_ANY_THROW(database("idioma.mdb").execute("INSERT INTO lingua (texto) VALUES ('PRODUÇÃO')"));
}

// A ticket number is never given twice, not even after the last ticket was deleted.
TEST_F(Schema, TicketNumbersOnlyIncrease) {
    SqliteFile& dat2 = database("dat2.mdb");
    dat2.execute("INSERT INTO RelCarga (placa) VALUES ('ABC-1234'); INSERT INTO RelCarga (placa) VALUES "
                 "('ABD-1234');");
    const double last = dat2.scalar("SELECT max(codigo_cupom) FROM RelCarga").number;
    dat2.execute("DELETE FROM RelCarga WHERE codigo_cupom = (SELECT max(codigo_cupom) FROM RelCarga);"
                 "INSERT INTO RelCarga (placa) VALUES ('ABE-1234');");
    EXPECT_GT(dat2.scalar("SELECT max(codigo_cupom) FROM RelCarga").number, last);
}

// The stored forms survive the columns' types: leading zeros of report numbers, levels kept as text.
TEST_F(Schema, TextFieldsKeepTheirTextForm) {
    SqliteFile& dat2 = database("dat2.mdb");
    dat2.execute("INSERT INTO RelPlacas (Num, NumCargas, SomaProducao) VALUES ('00000042', '3', '40,50')");
    const Row row =
        dat2.query("SELECT Num, NumCargas, SomaProducao FROM RelPlacas WHERE Num = '00000042'").at(0);
    EXPECT_EQ(row.at(0).text, "00000042");
    EXPECT_EQ(row.at(1).type, Cell::Type::Text);
    EXPECT_EQ(row.at(2).text, "40,50");
    EXPECT_EQ(database("datranvik.mdb").scalar("SELECT typeof(permissao) FROM senhas").text, "text");
}

} // namespace
} // namespace usina::test
