#include "tests/store/support/store_fixture.h"

#include "platform/store/query_recordset.h"
#include "platform/store/table_recordset.h"

#include <vector>

namespace usina::store::testing {
namespace {

class QueryRecordsetTest : public StoreTest {
protected:
    void SetUp() override {
        file = createPlantDatabase();
        execute(file, R"sql(
            INSERT INTO Tabela VALUES (1, '2026-02-27', '23:50:00', 'Pedra', 120.5, 'OK');
            INSERT INTO Tabela VALUES (2, '2026-02-28', '06:10:00', 'areia', 80, 'OK');
            INSERT INTO Tabela VALUES (3, '2026-03-01', '07:00:00', 'Pedra', 100, 'Silo 1 vazio');
            INSERT INTO Tabela VALUES (4, '2026-03-02', '07:30:00', 'areia', NULL, NULL);
        )sql");
    }

    std::filesystem::path file;
    QueryRecordset query;
};

TEST_F(QueryRecordsetTest, DateParametersSelectTheRangeAndValuesAreTyped) {
    query.open(file, "SELECT * FROM Tabela WHERE DATA BETWEEN ? AND ? ORDER BY DATA",
               {Date{2026, 2, 28}, Date{2026, 3, 2}});
    ASSERT_FALSE(query.eof());
    EXPECT_EQ(query.field("data"), Value(Date{2026, 2, 28}));
    EXPECT_EQ(query.field("Hora"), Value(TimeOfDay{6 * 3600 + 600}));
    EXPECT_EQ(query.field("producao"), Value(80));
    EXPECT_EQ(query.field("receita"), Value("areia"));
    EXPECT_EQ(valuesToEnd(query, "FASE"), (std::vector<Value>{2, 3, 4}));
    query.moveFirst(); // read again with the same parameters
    EXPECT_EQ(valuesToEnd(query, "FASE"), (std::vector<Value>{2, 3, 4}));
    expectRunTimeError([&] { query.moveNext(); }, error_number::noCurrentRecord);
}

TEST_F(QueryRecordsetTest, ASecondQueryOnTheSameFileSeesWhatWasWrittenSinceAndFieldsByPlace) {
    query.open(file, "SELECT COUNT(*) AS n FROM Tabela", {});
    EXPECT_EQ(query.field("n"), Value(4));
    execute(file, "INSERT INTO Tabela VALUES (5, '2026-03-03', '08:00:00', 'Pedra', 90, 'OK')");
    query.open(file, "SELECT fase, receita FROM Tabela WHERE receita = ? ORDER BY fase", {Value("Pedra")});
    const std::size_t mix = query.columnOf("RECEITA");
    std::vector<Value> phases;
    for (; !query.eof(); query.moveNext()) {
        EXPECT_EQ(query.fieldAt(mix), Value("Pedra"));
        phases.push_back(query.fieldAt(0));
    }
    EXPECT_EQ(phases, (std::vector<Value>{1, 3, 5}));
    expectRunTimeError([&] { (void)query.fieldAt(2); }, error_number::itemNotFound);
}

TEST_F(QueryRecordsetTest, ParametersOfEveryKindAreBound) {
    struct Case {
        const char* sql;
        Value parameter;
        std::vector<Value> phases;
    };
    const std::vector<Case> cases = {
        {"SELECT fase FROM Tabela WHERE hora >= ? ORDER BY fase", TimeOfDay{7 * 3600}, {1, 3, 4}},
        {"SELECT fase FROM Tabela WHERE receita = ? ORDER BY fase", "Pedra", {1, 3}},
        {"SELECT fase FROM Tabela WHERE producao > ? ORDER BY fase", 99.5, {1, 3}},
        {"SELECT fase FROM Tabela WHERE Ocorrencias IS ? ORDER BY fase", Value::null(), {4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        query.open(file, c.sql, {c.parameter});
        EXPECT_EQ(valuesToEnd(query, "fase"), c.phases);
    }
}

TEST_F(QueryRecordsetTest, ColumnsWithoutADeclaredTypeReadByStorage) {
    query.open(file, "SELECT count(*) AS n, max(DATA) AS ultima, sum(producao) AS soma FROM Tabela", {});
    EXPECT_EQ(query.field("N"), Value(4));
    EXPECT_EQ(query.field("ultima"), Value("2026-03-02"));
    EXPECT_EQ(query.field("soma"), Value(300.5));
    EXPECT_EQ(query.fieldNames(), (std::vector<std::string>{"n", "ultima", "soma"}));
    expectRunTimeError([&] { (void)query.field("media"); }, error_number::itemNotFound, {"media"});
}

TEST_F(QueryRecordsetTest, ColumnsFoundOnceReadEveryRow) {
    query.open(file, "SELECT * FROM Tabela ORDER BY fase", {});
    const std::size_t phase = query.columnOf("FASE");
    const std::size_t occurrence = query.columnOf("ocorrencias");
    EXPECT_EQ(query.fieldAt(occurrence), Value("OK"));
    std::vector<Value> phases;
    for (; !query.eof(); query.moveNext())
        phases.push_back(query.fieldAt(phase));
    EXPECT_EQ(phases, (std::vector<Value>{1, 2, 3, 4}));
    expectRunTimeError([&] { (void)query.fieldAt(phase); }, error_number::noCurrentRecord);
    expectRunTimeError([&] { (void)query.columnOf("media"); }, error_number::itemNotFound, {"media"});
}

TEST_F(QueryRecordsetTest, EmptyResultIsEofAtOnce) {
    query.open(file, "SELECT * FROM Tabela WHERE DATA > ?", {Date{2030, 1, 1}});
    EXPECT_TRUE(query.eof());
    expectRunTimeError([&] { (void)query.field("fase"); }, error_number::noCurrentRecord);
}

TEST_F(QueryRecordsetTest, BadOpensAreRefusedClearly) {
    expectRunTimeError([&] { query.open(path("dat2.mdb"), "SELECT 1", {}); }, error_number::fileNotFound,
                       {"dat2.mdb"});
    EXPECT_FALSE(std::filesystem::exists(path("dat2.mdb")));
    expectRunTimeError([&] { query.open(file, "SELECT * FROM Tabela WHERE DATA = ?", {}); },
                       error_number::invalidProcedureCall);
    expectRunTimeError([&] { query.open(file, "SELECT 1; DELETE FROM Tabela", {}); },
                       error_number::storeFailure);
    expectRunTimeError([&] { query.open(file, "DELETE FROM Tabela", {}); }, error_number::storeFailure);
    EXPECT_EQ(rawText(file, "SELECT count(*) FROM Tabela"), "4");
}

TEST_F(QueryRecordsetTest, TwoQueriesAndATableRecordsetDoNotDisturbEachOther) {
    QueryRecordset other;
    query.open(file, "SELECT fase FROM Tabela ORDER BY fase", {});
    other.open(file, "SELECT fase FROM Tabela ORDER BY fase DESC", {});
    TableRecordset records;
    records.open("Tabela", file);
    records.addNew();
    records("fase") = 5;
    records.update();
    EXPECT_EQ(query.field("fase"), Value(1));
    EXPECT_EQ(other.field("fase"), Value(4));
    query.moveNext();
    EXPECT_EQ(query.field("fase"), Value(2));
    other.close();
    EXPECT_FALSE(other.isOpen());
    EXPECT_TRUE(query.isOpen());
}

} // namespace
} // namespace usina::store::testing
