// The moisture boxes: numbers up to 30 typed with the decimal comma, read into the silos' moistures.

#include "tests/operator/operator_fixture.h"

namespace usina::test {

struct MoistureCase {
    const char* label;
    const char* typed;
    const char* boxAfter;
    const char* message;
    int beeps;
    double moisture;
};

class MoistureTyping : public OperatorTest, public ::testing::WithParamInterface<MoistureCase> {};

TEST_P(MoistureTyping, KeepsANumberUpToThirty) {
    const MoistureCase& c = GetParam();
    start();
    type(main().txtumid[3], c.typed);
    EXPECT_EQ(main().txtumid[3].text(), c.boxAfter);
    EXPECT_EQ(line(), c.message);
    EXPECT_EQ(desktop.beeps(), c.beeps);
    EXPECT_EQ(mix().SiloMoisture[3], c.moisture);
    EXPECT_TRUE(main().txtumid[3].hasFocus());
}

INSTANTIATE_TEST_SUITE_P(
    Typing, MoistureTyping,
    ::testing::Values(
        MoistureCase{"ACommaIntoAnEmptyBoxGivesZeroComma", ",", "0,", "", 0, 0},
        MoistureCase{"TheCaretStandsAfterTheZeroComma", ",5", "0,5", "", 0, 0.5},
        MoistureCase{"DecimalsWithTheComma", "12,5", "12,5", "", 0, 12.5},
        MoistureCase{"ThirtyIsAccepted", "30", "30", "", 0, 30},
        MoistureCase{"AboveThirtyBecomesThirty", "31", "30", "Umidade muito Grande", 1, 30},
        MoistureCase{"JustAboveThirtyBecomesThirty", "30,5", "30", "Umidade muito Grande", 1, 30},
        MoistureCase{"ThePointIsRefused", "1.5", "15", "Use vírgula no lugar de ponto !", 1, 15},
        MoistureCase{"ALetterIsRefused", "4a", "4", "Use Números !", 1, 4}),
    ByLabel());

TEST_F(OperatorTest, WhatIsNoNumberIsEmptiedAndEveryBoxIsReadAgain) {
    start();
    main().txtumid[1].setText("2");
    main().txtumid[2].setText("4,5");
    EXPECT_EQ(mix().SiloMoisture[1], 2);
    EXPECT_EQ(mix().SiloMoisture[2], 4.5);
    EXPECT_EQ(mix().SiloMoisture[3], 0);

    main().txtumid[2].setText("1-2");
    EXPECT_EQ(main().txtumid[2].text(), "");
    EXPECT_EQ(line(), "Variáveis não Numéricas");
    EXPECT_EQ(desktop.beeps(), 1);
    EXPECT_EQ(mix().SiloMoisture[1], 2);
    EXPECT_EQ(mix().SiloMoisture[2], 0);
}

} // namespace usina::test
