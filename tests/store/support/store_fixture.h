#pragma once
// Test databases in a fresh temporary folder, built with SQL the way the delivered ones are declared.

#include "platform/value/run_time_error.h"
#include "platform/value/value.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace usina {

void PrintTo(const Value& value, std::ostream* out);

} // namespace usina

namespace usina::store::testing {

class StoreTest : public ::testing::Test {
protected:
    StoreTest();
    ~StoreTest() override;

    std::filesystem::path path(const std::string& fileName) const { return folder_ / fileName; }
    // Creates the file and runs `sql` on it (PTNOCASE registered).
    std::filesystem::path createDatabase(const std::string& fileName, const std::string& sql) const;
    // Runs `sql` on the file through a connection of its own.
    void execute(const std::filesystem::path& file, const std::string& sql) const;
    // The first column of the first row as text ("NULL" for a null), read past the store.
    std::string rawText(const std::filesystem::path& file, const std::string& sql) const;

    // A production file in WAL mode, as delivered, with mixes (text key), records (no key), tickets (numbered
    // by the store), an error log with awkward field names, a totals row and a numbered report archive.
    std::filesystem::path createPlantDatabase(const std::string& fileName = "datranvik.mdb") const;
    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
};

// The values of one field from the current row to the end.
template <typename Recordset>
std::vector<Value> valuesToEnd(Recordset& recordset, std::string_view fieldName) {
    std::vector<Value> values;
    for (; !recordset.eof(); recordset.moveNext())
        values.push_back(recordset.field(fieldName));
    return values;
}

// Runs `action`, expects a RunTimeError with `number` whose message contains every one of `parts`.
template <typename Action>
void expectRunTimeError(Action&& action, int number, std::initializer_list<std::string> parts = {}) {
    try {
        action();
        ADD_FAILURE() << "no RunTimeError thrown (expected " << number << ")";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), number) << e.what();
        for (const std::string& part : parts)
            EXPECT_NE(std::string(e.what()).find(part), std::string::npos)
                << "message \"" << e.what() << "\" lacks \"" << part << "\"";
    }
}

} // namespace usina::store::testing
