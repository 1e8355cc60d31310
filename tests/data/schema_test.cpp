// The five delivered files hold the thirteen tables with the fields the program names, spelled as it
// writes them, and the keys behave as the store relies on.

#include "tests/data/delivered_databases.h"

#include "platform/store/key_order/key_order.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace usina::test {
namespace {

// A field as the program names it, with the type its column declares: the type decides how the store
// converts what is written (a 16-bit whole number, a date, a text kept as typed).
struct Field {
    std::string name;
    std::string type;
};
using Fields = std::vector<Field>;

Fields typed(const char* type, std::initializer_list<std::string> names) {
    Fields fields;
    for (const std::string& name : names)
        fields.push_back({name, type});
    return fields;
}

Fields numbered(const std::string& prefix, const char* type, int first = 1, int last = 5) {
    Fields fields;
    for (int i = first; i <= last; ++i)
        fields.push_back({prefix + std::to_string(i), type});
    return fields;
}

Fields joined(std::initializer_list<Fields> parts) {
    Fields all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

struct TableFields {
    std::string file;
    std::string table;
    Fields fields;
};

std::vector<TableFields> expectedFields() {
    Fields gaugeFields;
    for (int n = 1; n <= 5; ++n)
        for (const char* phrase : {"escala ", "inicio verd ", "fim verd ", "inicio amar ", "fim amar ",
                                   "inicio verm ", "fim verm "})
            gaugeFields.push_back({phrase + std::to_string(n), "DOUBLE"});
    const Fields reportHead =
        joined({typed("TEXT", {"Num"}), typed("DATE", {"Data_emissão"}), typed("TIME", {"Hora_emissão"})});
    const Fields reportTail = joined({typed("TEXT", {"DataSelecao"}), typed("SMALLINT", {"item"})});
    return {
        {"datranvik.mdb", "Tabela",
         joined({typed("TEXT", {"usuario"}), typed("SMALLINT", {"fase"}), typed("DATE", {"DATA"}),
                 typed("TIME", {"hora"}), typed("TEXT", {"receita"}), typed("DOUBLE", {"producao"}),
                 numbered("sil", "TEXT"), numbered("silo", "DOUBLE"), numbered("h_silo", "DOUBLE"),
                 numbered("p_silo", "DOUBLE"), numbered("vel_s", "DOUBLE"), numbered("tot_s", "DOUBLE"),
                 typed("DOUBLE", {"asfalto", "filler", "malteno", "par_asf", "par_fil", "par_fibra",
                                  "par_malt", "parcial", "diaria", "total"}),
                 numbered("Temp", "DOUBLE"), typed("TEXT", {"Ocorrencias"})})},
        {"datranvik.mdb", "alt_mist",
         joined({typed("TEXT", {"mistura"}), typed("DOUBLE", {"producao_o"}), numbered("quantdd", "DOUBLE"),
                 typed("DOUBLE", {"asfalto", "filler", "malteno", "fibra", "tempo_asf", "tempo_fill",
                                  "tempo_malt", "tempo_fibra"}),
                 numbered("silo ", "TEXT")})},
        {"datranvik.mdb", "bits", {}},
        {"datranvik.mdb", "senhas", typed("TEXT", {"login1", "senha1", "permissao"})},
        {"datranvik.mdb", "totalizador",
         joined({typed("DOUBLE", {"par_diaria", "total"}), typed("DATE", {"datatot"})})},
        {"calranvik.mdb", "constantes",
         joined({numbered("kpes", "DOUBLE"), numbered("kvel", "DOUBLE"), numbered("tara", "DOUBLE"),
                 typed("DOUBLE", {"kasf", "kfill", "kfibra", "kmalt"}), numbered("nomet", "TEXT"),
                 numbered("0t", "DOUBLE"), numbered("kt", "DOUBLE"), numbered("mint", "DOUBLE"),
                 numbered("maxt", "DOUBLE"), typed("DOUBLE", {"prodmax", "tgrav"}),
                 typed("SMALLINT", {"saidafb", "saidamal"}), typed("TEXT", {"idioma"})})},
        {"calranvik.mdb", "gauges", gaugeFields},
        {"idioma.mdb", "lingua",
         typed("TEXT", {"texto", "portugues", "espanhol", "ingles", "italiano", "frances", "alemao"})},
        {"bdruntime.mdb", "Tblerro",
         joined({typed("DATE", {"Data"}), typed("TIME", {"Hora"}), typed("INTEGER", {"Num do erro"}),
                 typed("TEXT", {"Erro", "Forma", "Elemento"})})},
        {"dat2.mdb", "RelCarga",
         joined({typed("INTEGER", {"codigo_cupom"}), typed("DATE", {"data_emissao"}),
                 typed("TIME", {"hora_emissao"}), typed("TEXT", {"nome_traco"}),
                 typed("INTEGER", {"quant_carga"}), typed("TEXT", {"responsavel", "placa"}),
                 numbered("temp_traco", "DOUBLE"), numbered("Media", "DOUBLE"), numbered("Material", "TEXT"),
                 numbered("Temp_Min", "DOUBLE"), numbered("Temp_Max", "DOUBLE"),
                 numbered("Lim_Min", "DOUBLE"), numbered("Lim_Max", "DOUBLE")})},
        {"dat2.mdb", "RelProducao", joined({reportHead, typed("TEXT", {"Nome_traco", "Prod"}), reportTail})},
        {"dat2.mdb", "RelConMat",
         joined({reportHead,
                 typed("TEXT", {"Nome_traco", "Silo1", "Silo2", "Silo3", "Silo4", "CAP", "Filler", "Fibra",
                                "Fresado", "Malteno"}),
                 reportTail})},
        {"dat2.mdb", "RelPlacas",
         joined({reportHead, typed("TEXT", {"NumPlaca", "NumCargas", "SomaProducao"}), reportTail})},
    };
}

// Each field's declared type, by its name as the schema spells it.
std::map<std::string, std::string> declaredTypes(const SqliteFile& database, const std::string& table) {
    std::map<std::string, std::string> types;
    for (const Row& column : database.query("SELECT name, type FROM pragma_table_info(?1)", {table}))
        types[column.at(0).text] = column.at(1).text;
    return types;
}

class Schema : public DeliveredDatabases {};

TEST_F(Schema, EachFileHoldsExactlyItsTables) {
    for (const auto& [file, tables] : tablesByFile()) {
        std::vector<std::string> expected = tables;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(database(file).tableNames(), expected) << file;
    }
}

TEST_F(Schema, EveryTableHasTheFieldsTheProgramNamesWithTheirTypes) {
    const auto expected = expectedFields();
    ASSERT_EQ(expected.size(), 13u);
    for (const TableFields& table : expected) {
        const auto types = declaredTypes(database(table.file), table.table);
        for (const Field& field : table.fields) {
            const auto found = types.find(field.name);
            if (found == types.end()) {
                ADD_FAILURE() << table.file << " " << table.table << ": no field " << field.name;
                continue;
            }
            EXPECT_EQ(found->second, field.type) << table.file << " " << table.table << "." << field.name;
        }
    }
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
