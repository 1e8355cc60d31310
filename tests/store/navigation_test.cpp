#include "tests/store/support/store_fixture.h"

#include "platform/store/table_recordset.h"

#include <vector>

namespace usina::store::testing {
namespace {

class NavigationTest : public StoreTest {
protected:
    void SetUp() override {
        file = createPlantDatabase();
        mixes.open("alt_mist", file);
    }

    std::filesystem::path file;
    TableRecordset mixes;
};

TEST_F(NavigationTest, MovesWalkInKeyOrderAccentedLettersWithTheirBaseLetters) {
    mixes.moveFirst();
    EXPECT_EQ(valuesToEnd(mixes, "mistura"), (std::vector<Value>{"ação", "areia", "Brita", "Pedra"}));
    expectRunTimeError([&] { mixes.moveNext(); }, error_number::noCurrentRecord);
    mixes.moveLast();
    EXPECT_EQ(mixes.field("mistura"), Value("Pedra"));
}

TEST_F(NavigationTest, SeekFindsTextKeysWithoutRegardToCaseAccentsIncluded) {
    struct Case {
        const char* wanted;
        const char* found; // nullptr: not found
    };
    const Case cases[] = {
        {"AÇÃO", "ação"},    {"Ação", "ação"},  {"PEDRA", "Pedra"},
        {"ação ", nullptr}, // trailing blanks count
        {" Pedra", nullptr}, {"acao", nullptr}, {"granito", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wanted);
        mixes.seek(c.wanted);
        if (c.found == nullptr) {
            EXPECT_TRUE(mixes.eof());
        } else {
            ASSERT_FALSE(mixes.eof());
            EXPECT_EQ(mixes.field("mistura"), Value(c.found));
        }
    }
}

TEST_F(NavigationTest, KeysThatDifferOnlyInCaseAreDuplicates) {
    mixes.addNew();
    mixes("mistura") = "AÇÃO";
    expectRunTimeError([&] { mixes.update(); }, error_number::duplicateKey, {"alt_mist", "AÇÃO"});
    EXPECT_FALSE(mixes.hasPendingRow());
    EXPECT_EQ(mixes.recordCount(), 4);
    // A key differing by a trailing blank is another key.
    mixes.addNew();
    mixes("mistura") = "ação ";
    mixes.update();
    EXPECT_EQ(mixes.recordCount(), 5);
}

TEST_F(NavigationTest, MovesGoOnAfterRowsAddedElsewhere) {
    TableRecordset other;
    other.open("alt_mist", file);
    other.addNew();
    other("mistura") = "Cal";
    other.update();
    mixes.seek("Brita");
    mixes.moveNext();
    EXPECT_EQ(mixes.field("mistura"), Value("Cal"));
}

TEST_F(NavigationTest, DeleteLeavesNoCurrentRowAndMoveNextGoesOn) {
    mixes.seek("areia");
    mixes.deleteCurrent();
    EXPECT_TRUE(mixes.eof());
    expectRunTimeError([&] { (void)mixes.field("mistura"); }, error_number::noCurrentRecord);
    expectRunTimeError([&] { mixes.deleteCurrent(); }, error_number::noCurrentRecord);
    mixes.moveNext();
    EXPECT_EQ(mixes.field("mistura"), Value("Brita"));
    EXPECT_EQ(mixes.recordCount(), 3);
    mixes.seek("areia");
    EXPECT_TRUE(mixes.eof());
}

TEST_F(NavigationTest, TableWithoutKeyKeepsTheOrderRowsWereAdded) {
    TableRecordset records;
    records.open("Tabela", file);
    for (const char* mix : {"Pedra", "areia", "Brita"}) {
        records.addNew();
        records("receita") = mix;
    }
    records.update();
    records.moveFirst();
    EXPECT_EQ(valuesToEnd(records, "receita"), (std::vector<Value>{"Pedra", "areia", "Brita"}));
    records.moveLast();
    EXPECT_EQ(records.field("receita"), Value("Brita"));
    expectRunTimeError([&] { records.seek("Pedra"); }, error_number::itemNotFound, {"Tabela"});
}

} // namespace
} // namespace usina::store::testing
