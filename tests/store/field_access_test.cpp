#include "tests/store/support/store_fixture.h"

#include "platform/store/table_recordset.h"

namespace usina::store::testing {
namespace {

class FieldAccessTest : public StoreTest {
protected:
    void SetUp() override {
        file = createPlantDatabase();
        mixes.open("alt_mist", file);
        errors.open("Tblerro", file);
        records.open("Tabela", file);
    }

    std::filesystem::path file;
    TableRecordset mixes;
    TableRecordset errors;
    TableRecordset records;
};

TEST_F(FieldAccessTest, NamesMatchWithoutRegardToCaseAccentsBlanksAndDigits) {
    TableRecordset tickets;
    tickets.open("RelCarga", file);
    tickets.addNew();
    tickets("DATA_EMISSÃO") = Date{2026, 3, 5};
    tickets.update();
    EXPECT_EQ(tickets.field("data_emissão"), Value(Date{2026, 3, 5}));

    errors.addNew();
    errors("DATA") = Date{2026, 3, 5};
    errors("num do ERRO") = 3021;
    errors("0T1") = 1.5;
    errors.update();
    EXPECT_EQ(errors.field("Data"), Value(Date{2026, 3, 5}));
    EXPECT_EQ(errors.field("Num do erro"), Value(3021));
    EXPECT_EQ(errors.field("0t1"), Value(1.5));

    mixes("SILO 1") = "brita 2";
    mixes.update();
    EXPECT_EQ(mixes.field("Silo 1"), Value("brita 2"));
}

TEST_F(FieldAccessTest, UnknownFieldIsNamed) {
    expectRunTimeError([&] { (void)mixes.field("silo1"); }, error_number::itemNotFound,
                       {"silo1", "alt_mist"});
    expectRunTimeError([&] { mixes.setField("silo 9", "x"); }, error_number::itemNotFound, {"silo 9"});
}

TEST_F(FieldAccessTest, WrittenValuesAreConvertedToTheFieldsType) {
    struct Case {
        const char* field;
        Value written;
        Value read;
    };
    const Case cases[] = {
        {"producao", Value("1,5"), Value(1.5)},
        {"producao", Value(" -2,25 "), Value(-2.25)},
        {"producao", Value(true), Value(-1)},
        {"producao", Value(), Value(0)},
        {"producao", Value::null(), Value::null()},
        {"fase", Value(2.5), Value(2)},
        {"fase", Value(3.5), Value(4)},
        {"fase", Value("-2,5"), Value(-2)},
        {"receita", Value(12.5), Value("12,5")},
        {"receita", Value(), Value("")},
        {"receita", Value::null(), Value::null()},
        {"DATA", Value(Date{2026, 12, 31}), Value(Date{2026, 12, 31})},
        {"DATA", Value("05/03/2026"), Value(Date{2026, 3, 5})},
        {"DATA", Value("5-3-26"), Value(Date{2026, 3, 5})},
        {"hora", Value(TimeOfDay{3723}), Value(TimeOfDay{3723})},
        {"hora", Value("23:59:58"), Value(TimeOfDay{86398})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " <- " + ::testing::PrintToString(c.written));
        records.addNew();
        records(c.field) = c.written;
        EXPECT_EQ(records.field(c.field), c.read) << "pending row";
        records.update();
        EXPECT_EQ(records.field(c.field), c.read) << "saved row";
    }
}

TEST_F(FieldAccessTest, DatesAndTimesAreStoredInTheirTextForms) {
    records.addNew();
    records("DATA") = "05/03/2026";
    records("hora") = TimeOfDay{7 * 3600 + 5};
    records("producao") = "120,50";
    records.update();
    EXPECT_EQ(rawText(file, "SELECT DATA FROM Tabela"), "2026-03-05");
    EXPECT_EQ(rawText(file, "SELECT hora FROM Tabela"), "07:00:05");
    EXPECT_EQ(rawText(file, "SELECT typeof(producao) || ' ' || producao FROM Tabela"), "real 120.5");
}

// A value the field cannot take throws, names field and value, and leaves no half-written row.
TEST_F(FieldAccessTest, FailedConversionCancelsThePendingNewRow) {
    struct Case {
        const char* field;
        Value written;
        int number;
    };
    const Case cases[] = {
        {"producao", Value("abc"), error_number::typeMismatch},
        {"producao", Value(""), error_number::typeMismatch},
        {"producao", Value("2.5"), error_number::typeMismatch},
        {"producao", Value("1-2"), error_number::typeMismatch},
        {"fase", Value(40000), error_number::overflow},
        {"fase", Value("x"), error_number::typeMismatch},
        {"DATA", Value("31/02/2026"), error_number::typeMismatch},
        {"DATA", Value(true), error_number::typeMismatch},
        {"hora", Value("meio-dia"), error_number::typeMismatch},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " <- " + ::testing::PrintToString(c.written));
        records.addNew();
        records("receita") = "Pedra";
        expectRunTimeError([&] { records(c.field) = c.written; }, c.number, {c.field, "Tabela"});
        EXPECT_FALSE(records.hasPendingRow());
        records.update();
        EXPECT_EQ(records.recordCount(), 0);
    }
    // Still usable afterwards.
    records.addNew();
    records("receita") = "Pedra";
    records.update();
    EXPECT_EQ(records.recordCount(), 1);
}

TEST_F(FieldAccessTest, FailedConversionNamesTheValue) {
    records.addNew();
    expectRunTimeError([&] { records("producao") = "doze"; }, error_number::typeMismatch,
                       {"producao", "\"doze\""});
}

TEST_F(FieldAccessTest, FailedConversionCancelsThePendingEdit) {
    mixes.seek("Pedra");
    mixes("quantdd1") = 99;
    expectRunTimeError([&] { mixes("producao_o") = ""; }, error_number::typeMismatch, {"producao_o"});
    mixes.update();
    EXPECT_EQ(mixes.field("quantdd1"), Value(30));
    EXPECT_EQ(rawText(file, "SELECT quantdd1 FROM alt_mist WHERE mistura = 'Pedra'"), "30.0");
    // The row can be edited again.
    mixes("quantdd1") = "31,5";
    mixes.update();
    EXPECT_EQ(rawText(file, "SELECT quantdd1 FROM alt_mist WHERE mistura = 'Pedra'"), "31.5");
}

TEST_F(FieldAccessTest, UnknownFieldWriteAlsoCancelsThePendingRow) {
    records.addNew();
    records("receita") = "Pedra";
    expectRunTimeError([&] { records("recieta") = "x"; }, error_number::itemNotFound);
    records.update();
    EXPECT_EQ(records.recordCount(), 0);
}

TEST_F(FieldAccessTest, NoCurrentRowRefusesFieldAccess) {
    mixes.seek("granito");
    ASSERT_TRUE(mixes.eof());
    expectRunTimeError([&] { (void)mixes.field("mistura"); }, error_number::noCurrentRecord, {"alt_mist"});
    expectRunTimeError([&] { mixes("quantdd1") = 1; }, error_number::noCurrentRecord);
    expectRunTimeError([&] { (void)records.field("fase"); }, error_number::noCurrentRecord);
}

} // namespace
} // namespace usina::store::testing
