// The rate keys: Up and Down anywhere in the window step the rate bar, once from the window and once
// more from the bar itself when it has the focus; F1 without a load says there is none.

#include "platform/forms/key_codes.h"
#include "setup/form_config.h"
#include "tests/operator/operator_fixture.h"

namespace usina::test {

namespace keys = forms::keys;

struct RateKeyCase {
    const char* label;
    bool barFocused;
    int value;
    const char* typedMaximum; // Txttonhmax on the constants screen
    std::int16_t limitFlag;
    int key;
    int valueAfter;
    const char* message;
    std::int16_t limitFlagAfter;
};

class RateKeys : public OperatorTest, public ::testing::WithParamInterface<RateKeyCase> {};

TEST_P(RateKeys, StepTheRateWithinItsLimits) {
    const RateKeyCase& c = GetParam();
    start();
    window<FormConfig>().Txttonhmax.setText(c.typedMaximum);
    main().HScroll.setValue(c.value);
    process().LimitFlag = c.limitFlag;
    ws().focusByPerson(c.barFocused ? static_cast<forms::Control&>(main().HScroll) : main().txtumid[1]);
    services().RecordTick = 0;
    ws().pressKey(c.key);
    EXPECT_EQ(main().HScroll.value(), c.valueAfter);
    EXPECT_EQ(main().LblProd.caption(), std::to_string(c.valueAfter));
    EXPECT_EQ(line(), c.message);
    EXPECT_EQ(process().LimitFlag, c.limitFlagAfter);
    EXPECT_TRUE(main().HScroll.hasFocus());
    if (c.valueAfter != c.value) {
        EXPECT_EQ(services().RecordTick, services().RecordPeriod - 5);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, RateKeys,
    ::testing::Values(
        RateKeyCase{"UpMovesTheFocusToTheBarAndRaisesByOne", false, 100, "200", 0, keys::up, 101, "", 0},
        RateKeyCase{"UpOnTheFocusedBarRaisesTwice", true, 100, "200", 0, keys::up, 102, "", 0},
        RateKeyCase{"UpAtTheTypedMaximumSaysSo", false, 150, "150", 0, keys::up, 150, "Limite máximo", 0},
        RateKeyCase{"UpOnTheFocusedBarStopsAtTheTypedMaximum", true, 149, "150", 0, keys::up, 150,
                    "Limite máximo", 0},
        RateKeyCase{"UpWithNoMaximumTypedSaysSo", false, 100, "", 0, keys::up, 100, "Limite máximo", 0},
        RateKeyCase{"UpWhileAFeederIsAtItsLimitDoesNothing", false, 100, "200", 1, keys::up, 100, "", 1},
        RateKeyCase{"DownLowersByOneAndLiftsTheLimit", false, 100, "200", 1, keys::down, 99, "", 0},
        RateKeyCase{"DownOnTheFocusedBarLowersTwice", true, 100, "200", 0, keys::down, 98, "", 0},
        RateKeyCase{"DownNeverTakesTheRateBelowTwenty", true, 20, "200", 1, keys::down, 20, "", 0}),
    ByLabel());

TEST_F(OperatorTest, TheBarMovedBelowTwentyStandsAtTwenty) {
    start();
    ws().scrollTo(main().HScroll, 5);
    EXPECT_EQ(main().HScroll.value(), 20);
    EXPECT_EQ(process().ProductionTarget, 20);
}

TEST_F(OperatorTest, F1WithNoLoadSaysSo) {
    start();
    main().Txtprod_par.setText("0,00");
    ws().pressKey(keys::f1);
    EXPECT_EQ(line(), "Não há carga para emitir o relatório.");
    EXPECT_EQ(errorLogRows(), 0);
}

} // namespace usina::test
