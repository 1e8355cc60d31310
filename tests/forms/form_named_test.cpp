#include "forms_fixture.h"

using ::testing::ElementsAre;

namespace usina::forms::testing {

TEST_F(FormsTest, AWindowIsFoundByItsClassNameAndLoadsHiddenOnFirstTouch) {
    Form* found = ws.formNamed("FormB");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found, ws.peek<FormB>());
    EXPECT_FALSE(found->visible());
    EXPECT_EQ(ws.formNamed("FormB"), found);
    EXPECT_THAT(log.entries, ElementsAre("FormB.Load"));
}

TEST_F(FormsTest, ANameNoWindowBearsFindsNothingAndLoadsNothing) {
    EXPECT_EQ(ws.formNamed("FormRelPlaca"), nullptr);
    EXPECT_EQ(ws.formNamed("formb"), nullptr);
    EXPECT_TRUE(ws.loadedForms().empty());
    EXPECT_TRUE(log.entries.empty());
}

} // namespace usina::forms::testing
