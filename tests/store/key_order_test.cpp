// The order of text keys: accented letters beside their base letters, case never deciding, and files
// built in the old order rebuilt before use.

#include "tests/store/support/store_fixture.h"

#include "platform/store/key_order/key_order.h"
#include "platform/store/table_recordset.h"
#include "platform/value/text.h"

#include <sqlite3.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace usina::store::testing {
namespace {

// In key order.
const std::vector<std::string> portugueseWords = {
    "a",     "à",          "abacaxi", "Abóbora", "Açaí",    "acao",     "Ação", "açúcar", "agua",    "Água",
    "ÁGUA ", "aguardente", "Álcool",  "Brita 0", "Brita 1", "brita 12", "cafe", "café",   "cafeína", "Ébano",
    "Éden",  "elefante",   "Ímã",     "imóvel",  "olho",    "Ônibus",   "pão",  "papel",  "Zinco",   "zona",
};

TEST(KeyOrder, PortugueseWordsSortWithTheirBaseLetters) {
    std::vector<std::string> shuffled = portugueseWords;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(2026));
    std::sort(shuffled.begin(), shuffled.end(),
              [](const std::string& a, const std::string& b) { return compareKeys(a, b) < 0; });
    EXPECT_EQ(shuffled, portugueseWords);
}

TEST(KeyOrder, CaseAloneMakesOneKeyAndAccentsAndBlanksMakeTwo) {
    struct Pair {
        const char* a;
        const char* b;
        int order;
    };
    const Pair pairs[] = {
        {"AÇÃO", "ação", 0},  {"ÁGUA", "água", 0},  {"Ônibus", "ÔNIBUS", 0}, {"acao", "ação", -1},
        {"ação ", "ação", 1}, {"ação", " ação", 1}, {"ss", "ß", -1},         {"ae", "æ", -1},
        {"æ", "af", -1},      {"Š", "š", -1},       {"Œuvre", "oeuvre", 1},  {"", "a", -1},
        {"z", "\xC3", -1}, // a byte that is no UTF-8 after every letter
    };
    for (const Pair& pair : pairs) {
        SCOPED_TRACE(std::string("'") + pair.a + "' '" + pair.b + "'");
        EXPECT_EQ(compareKeys(pair.a, pair.b), pair.order);
        EXPECT_EQ(compareKeys(pair.b, pair.a), -pair.order);
    }
}

// The keys that were one key before the order changed still are, and no others: a file's unique key
// index stays valid when it is rebuilt.
TEST(KeyOrder, MakesTheSameKeysOneKeyAsBefore) {
    std::vector<std::string> texts = portugueseWords;
    for (const char* more : {"ÀÉÎÕÜ", "àéîõü", "Ç", "ç", "×", "÷", "ÿ", "Þ", "þ", "th", "Ž", "ž", "\xFF"})
        texts.emplace_back(more);
    for (const std::string& a : texts)
        for (const std::string& b : texts)
            EXPECT_EQ(compareKeys(a, b) == 0, foldCase(a) == foldCase(b)) << "'" << a << "' '" << b << "'";
}

class KeyIndexTest : public StoreTest {};

TEST_F(KeyIndexTest, TheKeyIndexWalksInKeyOrder) {
    const auto file = createPlantDatabase();
    execute(file, "DELETE FROM alt_mist");
    TableRecordset mixes;
    mixes.open("alt_mist", file);
    for (auto word = portugueseWords.rbegin(); word != portugueseWords.rend(); ++word) {
        mixes.addNew();
        mixes("mistura") = *word;
    }
    mixes.update();
    mixes.moveFirst();
    const std::vector<Value> walked = valuesToEnd(mixes, "mistura");
    EXPECT_EQ(walked, std::vector<Value>(portugueseWords.begin(), portugueseWords.end()));
}

// A file whose key index was built by the old comparison (case folded, then bytes: "Água" after
// "Zinco") is rebuilt when the station first opens it, in one transaction, and then checks clean.
TEST_F(KeyIndexTest, AFileIndexedInTheOldOrderIsRebuiltOnOpening) {
    const auto file = path("datranvik.mdb");
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
        const auto oldOrder = [](void*, int lengthA, const void* a, int lengthB, const void* b) {
            return compareFolded(
                std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(lengthA)),
                std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(lengthB)));
        };
        sqlite3_create_collation_v2(db, keyCollationName, SQLITE_UTF8, nullptr, oldOrder, nullptr);
        std::string sql =
            "PRAGMA journal_mode = WAL; CREATE TABLE alt_mist (mistura TEXT PRIMARY KEY COLLATE "
            "PTNOCASE, producao_o DOUBLE);";
        for (const std::string& word : portugueseWords)
            sql += "INSERT INTO alt_mist VALUES ('" + word + "', 1);";
        ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    ASSERT_NE(rawText(file, "PRAGMA integrity_check"), "ok"); // today's order finds the old index wrong

    TableRecordset mixes;
    mixes.open("alt_mist", file);
    EXPECT_EQ(rawText(file, "PRAGMA integrity_check"), "ok");
    EXPECT_EQ(rawText(file, "PRAGMA user_version"), std::to_string(keyOrderVersion));
    mixes.moveFirst();
    EXPECT_EQ(valuesToEnd(mixes, "mistura"),
              std::vector<Value>(portugueseWords.begin(), portugueseWords.end()));
    mixes.seek("ÁGUA");
    EXPECT_EQ(mixes.field("mistura"), Value("Água"));
}

} // namespace
} // namespace usina::store::testing
