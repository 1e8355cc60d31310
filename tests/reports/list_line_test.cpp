// Fixed-width list lines: texts that fit sit as their masks place them; longer ones are never cut and
// keep the figures after them under their headings where the blanks allow.

#include "reports/fixed_width_line.h"
#include "reports/group_sums.h"

#include <gtest/gtest.h>

namespace usina {

namespace {

// The materials line's first columns: one blank, the mix in 10 at the left, figures in 10 and 12.
const std::vector<LineColumn> materials{blanks(1), LineColumn{10, true}, LineColumn{10, false},
                                        LineColumn{12, false}};

struct LineCase {
    const char* name;
    std::vector<std::string> texts;
    const char* expected;
};

class ListLine : public ::testing::TestWithParam<LineCase> {};

} // namespace

TEST_P(ListLine, PlacesEachTextInItsColumn) {
    EXPECT_EQ(fixedWidthLine(materials, GetParam().texts), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, ListLine,
                         ::testing::Values(LineCase{"EveryTextFits",
                                                    {"", "CBUQ", "12,50", "3,00"},
                                                    " CBUQ           12,50        3,00"},
                                           LineCase{"TextsThatFillTheirColumns",
                                                    {"", "ABCDEFGHIJ", "1234567,89", "123456789,12"},
                                                    " ABCDEFGHIJ1234567,89123456789,12"},
                                           LineCase{"LongNameTakesTheBlanksBeforeTheFigure",
                                                    {"", "CBUQ FAIXA C", "12,50", "3,00"},
                                                    " CBUQ FAIXA C   12,50        3,00"},
                                           LineCase{"LongNameKeepsOneBlankBeforeAFullFigure",
                                                    {"", "CBUQ FAIXA C", "1234567,89", "3,00"},
                                                    " CBUQ FAIXA C 1234567,89     3,00"},
                                           LineCase{"LongFigureTakesTheBlanksAfterTheName",
                                                    {"", "PMF", "123456789,12", "3,00"},
                                                    " PMF     123456789,12        3,00"},
                                           LineCase{"NoBlanksLeftMakesTheLineLonger",
                                                    {"", "CBUQ FAIXA C", "123456789,12", "123456789,12"},
                                                    " CBUQ FAIXA C 123456789,12 123456789,12"},
                                           LineCase{"AccentsCountAsOneCharacter",
                                                    {"", "Água fria", "1,50", "0,00"},
                                                    " Água fria       1,50        0,00"}),
                         [](const ::testing::TestParamInfo<LineCase>& param) {
                             return std::string(param.param.name);
                         });

TEST(GroupSums, GroupsComeInTheOrderAnOperatorReadsNames) {
    GroupSums sums(1);
    for (const char* mix : {"PMF", "binder", "Água fria", "Binder", "Areia", "PMF"}) {
        const double one = 1;
        sums.add(mix, &one);
    }
    std::vector<std::string> keys;
    std::vector<double> totals;
    for (const GroupSums::Group& group : sums.inNameOrder()) {
        keys.push_back(group.key);
        totals.push_back(group.sums[0]);
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"Água fria", "Areia", "Binder", "binder", "PMF"}));
    EXPECT_EQ(totals, (std::vector<double>{1, 1, 1, 1, 2}));
}

} // namespace usina
