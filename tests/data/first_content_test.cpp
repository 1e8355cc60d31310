// The content the station needs before its first start: one row in each one-row table, usable mixes,
// the protected level-3 user, a first row in each report archive, and nothing in the logs.

#include "tests/data/delivered_databases.h"

#include <cmath>
#include <string>
#include <vector>

namespace usina::test {
namespace {

class FirstContent : public DeliveredDatabases {
protected:
    // Names of the fields that are Null in some row of the table.
    std::vector<std::string> fieldsWithNull(const std::string& file, const std::string& table) {
        SqliteFile& db = database(file);
        std::vector<std::string> found;
        for (const std::string& field : db.columnNames(table))
            if (db.scalar("SELECT count(*) FROM \"" + table + "\" WHERE \"" + field + "\" IS NULL").number >
                0)
                found.push_back(field);
        return found;
    }

    double number(const std::string& file, const std::string& table, const std::string& field) {
        return database(file).scalar("SELECT \"" + field + "\" FROM \"" + table + "\"").number;
    }
    double constant(const std::string& field) { return number("calranvik.mdb", "constantes", field); }
    double gauge(const std::string& field) { return number("calranvik.mdb", "gauges", field); }
};

bool isIsoDate(const std::string& text) {
    return text.size() == 10 && text[4] == '-' && text[7] == '-' &&
           text.find_first_not_of("0123456789-") == std::string::npos;
}

// The constants screen and the main window's load read every field of these rows.
TEST_F(FirstContent, OneRowTablesHoldOneCompleteRow) {
    for (const auto& [file, table] :
         std::vector<std::pair<std::string, std::string>>{{"calranvik.mdb", "constantes"},
                                                          {"calranvik.mdb", "gauges"},
                                                          {"datranvik.mdb", "totalizador"}}) {
        EXPECT_EQ(database(file).scalar("SELECT count(*) FROM \"" + table + "\"").number, 1) << table;
        EXPECT_EQ(fieldsWithNull(file, table), std::vector<std::string>{}) << table;
    }
}

TEST_F(FirstContent, TotalsStartAtZero) {
    EXPECT_EQ(number("datranvik.mdb", "totalizador", "total"), 0);
    EXPECT_EQ(number("datranvik.mdb", "totalizador", "par_diaria"), 0);
    EXPECT_TRUE(isIsoDate(database("datranvik.mdb").scalar("SELECT datatot FROM totalizador").text));
}

TEST_F(FirstContent, ConstantsKeepTheProcessArithmeticSound) {
    EXPECT_GE(constant("kfill"), 0.1); // the regulation divides by it
    if (constant("saidamal") == 1) {
        EXPECT_GT(constant("kmalt"), 0);
    }
    for (const char* flag : {"saidafb", "saidamal"})
        EXPECT_TRUE(constant(flag) == 0 || constant(flag) == 1) << flag;
    EXPECT_GE(constant("prodmax"), 20);
    EXPECT_LE(constant("prodmax"), 32767);
    EXPECT_GT(constant("tgrav"), 0);
    EXPECT_LE(std::nearbyint(constant("tgrav") * 60), 32767); // the record period is a 16-bit count
    for (int c = 1; c <= 5; ++c) {
        const std::string n = std::to_string(c);
        EXPECT_LT(constant("mint" + n), constant("maxt" + n)) << "channel " << n;
        EXPECT_LE(constant("maxt" + n), 255) << "channel " << n;
        EXPECT_NE(constant("kt" + n), 0) << "channel " << n;
    }
}

TEST_F(FirstContent, InterfaceLanguageIsOneOfferedByTheMarkerRow) {
    const std::string language = database("calranvik.mdb").scalar("SELECT idioma FROM constantes").text;
    ASSERT_TRUE(language == "portugues" || language == "espanhol" || language == "ingles" ||
                language == "italiano" || language == "frances" || language == "alemao")
        << language;
    EXPECT_EQ(database("idioma.mdb")
                  .scalar("SELECT \"" + language + "\" FROM lingua WHERE texto = ' 00h00m00s'")
                  .text,
              " 00h00m00s");
}

// Green, yellow and red follow each other across the scale, and the fastest belt stays on it.
TEST_F(FirstContent, GaugeBandsRunInOrderAcrossTheScale) {
    for (int g = 1; g <= 5; ++g) {
        const std::string n = " " + std::to_string(g);
        const std::vector<double> edges = {0,
                                           gauge("inicio verd" + n),
                                           gauge("fim verd" + n),
                                           gauge("inicio amar" + n),
                                           gauge("fim amar" + n),
                                           gauge("inicio verm" + n),
                                           gauge("fim verm" + n),
                                           gauge("escala" + n)};
        for (std::size_t i = 1; i < edges.size(); ++i)
            EXPECT_LE(edges[i - 1], edges[i]) << "gauge " << g << " edge " << i;
        EXPECT_GT(gauge("escala" + n), 0);
        EXPECT_LE(gauge("escala" + n), 100);
        EXPECT_LE(constant("kvel" + std::to_string(g)) * 255, gauge("escala" + n)) << "gauge " << g;
    }
}

// Each mix passes the mix editor's own checks, so it can be altered and saved as delivered.
TEST_F(FirstContent, MixesAreCompleteAndAddUpToOneHundred) {
    SqliteFile& db = database("datranvik.mdb");
    const std::vector<Row> mixes = db.query(
        "SELECT mistura, producao_o, quantdd1 + quantdd2 + quantdd3 + quantdd4 + asfalto + filler + fibra, "
        "quantdd5, malteno, tempo_asf, tempo_fill, tempo_malt, tempo_fibra FROM alt_mist ORDER BY mistura");
    ASSERT_GE(mixes.size(), 2u);
    EXPECT_EQ(fieldsWithNull("datranvik.mdb", "alt_mist"), std::vector<std::string>{});
    for (const Row& mix : mixes) {
        const std::string& name = mix.at(0).text;
        EXPECT_GE(mix.at(1).number, 20) << name;
        EXPECT_LE(mix.at(1).number, constant("prodmax")) << name;
        EXPECT_NEAR(mix.at(2).number, 100, 1e-9) << name;
        EXPECT_GE(mix.at(3).number, 0) << name;
        EXPECT_LT(mix.at(4).number, 100) << name;
        for (std::size_t delay = 5; delay <= 8; ++delay) {
            EXPECT_GE(mix.at(delay).number, 0) << name;
            EXPECT_LE(mix.at(delay).number, 199) << name;
        }
    }
}

TEST_F(FirstContent, TheProtectedUserHasLevelThree) {
    const std::vector<Row> users =
        database("datranvik.mdb").query("SELECT login1, senha1, permissao FROM senhas");
    ASSERT_EQ(users.size(), 1u);
    EXPECT_EQ(users[0].at(0).text, "kremo");
    // Never the password as typed: a hash that names its method.
    EXPECT_TRUE(users[0].at(1).text.starts_with("$argon2id$")) << users[0].at(1).text;
    EXPECT_EQ(users[0].at(2).text, "3");
}

// Each report numbers itself from the last stored row.
TEST_F(FirstContent, EachReportArchiveHasAFirstNumberedRow) {
    for (const char* table : {"RelProducao", "RelConMat", "RelPlacas"}) {
        const std::vector<Row> rows =
            database("dat2.mdb")
                .query(std::string("SELECT Num, \"Data_emissão\", item, DataSelecao FROM \"") + table + "\"");
        ASSERT_EQ(rows.size(), 1u) << table;
        const std::string& num = rows[0].at(0).text;
        EXPECT_EQ(rows[0].at(0).type, Cell::Type::Text) << table;
        EXPECT_EQ(num.size(), 8u) << table;
        EXPECT_EQ(num.find_first_not_of("0123456789"), std::string::npos) << table;
        EXPECT_TRUE(isIsoDate(rows[0].at(1).text)) << table;
        EXPECT_EQ(rows[0].at(2).number, 1) << table;
        EXPECT_NE(rows[0].at(3).text.find(" ate "), std::string::npos) << table;
    }
}

TEST_F(FirstContent, RecordsTicketsAndErrorLogStartEmpty) {
    EXPECT_EQ(database("datranvik.mdb").scalar("SELECT count(*) FROM Tabela").number, 0);
    EXPECT_EQ(database("dat2.mdb").scalar("SELECT count(*) FROM RelCarga").number, 0);
    EXPECT_EQ(database("bdruntime.mdb").scalar("SELECT count(*) FROM Tblerro").number, 0);
}

} // namespace
} // namespace usina::test
