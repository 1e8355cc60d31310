// The truck plate's box: "???-9999", three letters, the literal "-", four digits.

#include "forms_fixture.h"

#include "platform/forms/key_codes.h"
#include "platform/forms/masked_box.h"
#include "platform/value/run_time_error.h"

namespace usina::forms::testing {
namespace {

class MaskedBoxTest : public FormsTest {
protected:
    MaskedBoxTest() {
        a().Show();
        plate.setMask("\?\?\?-9999");
        plate.Change = [this] { ++changes; };
        plate.SetFocus();
    }

    MaskedBox plate{a(), "MaskEdBox1"};
    int changes = 0;
};

TEST_F(MaskedBoxTest, StartsAsPromptsAndTypingFillsThePositionsSteppingOverTheLiteral) {
    EXPECT_EQ(plate.text(), "___-____");
    EXPECT_EQ(plate.clipText(), "");
    ws.typeText("abc1");
    EXPECT_EQ(plate.text(), "abc-1___");
    EXPECT_EQ(plate.selStart(), 5);
    ws.typeText("234");
    EXPECT_EQ(plate.text(), "abc-1234");
    EXPECT_EQ(plate.clipText(), "abc1234");
    EXPECT_EQ(changes, 7);
    // Full: a further key has nowhere to go.
    ws.typeText("5");
    EXPECT_EQ(plate.text(), "abc-1234");
}

TEST_F(MaskedBoxTest, ACharacterItsPositionDoesNotTakeIsDroppedQuietly) {
    ws.typeText("1-Ç");
    EXPECT_EQ(plate.text(), "Ç__-____");
    ws.typeText("ZZx");
    EXPECT_EQ(plate.text(), "ÇZZ-____");
    EXPECT_EQ(desktop.beeps(), 0);
    EXPECT_TRUE(errors.empty());
}

TEST_F(MaskedBoxTest, TypingNeverLeavesAGapAndEditingClearsPositionsInPlace) {
    // A caret put at the far end still types into the first free position.
    plate.setSelStart(8);
    ws.typeText("AB");
    EXPECT_EQ(plate.text(), "AB_-____");
    ws.typeText("C12");
    ws.pressKey(keys::backspace, 0, keys::backspace);
    EXPECT_EQ(plate.text(), "ABC-1___");
    // Backspace right after the literal clears the letter before it.
    ws.pressKey(keys::backspace, 0, keys::backspace);
    ws.pressKey(keys::backspace, 0, keys::backspace);
    EXPECT_EQ(plate.text(), "AB_-____");
    // A selection typed over is cleared first; Delete clears without moving the rest.
    plate.setText("ABC-1234");
    plate.select(1, 2);
    ws.typeText("X");
    EXPECT_EQ(plate.text(), "AX_-1234");
    plate.setSelStart(4);
    ws.pressKey(keys::del);
    EXPECT_EQ(plate.text(), "AX_-_234");
}

TEST_F(MaskedBoxTest, CodeSetsTheShownOrTheTypedTextAndWhatDoesNotFitIsRefused) {
    plate.setText("XYZ-9876");
    EXPECT_EQ(plate.text(), "XYZ-9876");
    plate.setText("QWE12");
    EXPECT_EQ(plate.text(), "QWE-12__");
    plate.setText("");
    EXPECT_EQ(plate.text(), "___-____");
    for (const char* wrong : {"XYZ9876X", "XYZ-98A6", "1BC", "ABCD"}) {
        try {
            plate.setText(wrong);
            ADD_FAILURE() << wrong << " was taken";
        } catch (const RunTimeError& e) {
            EXPECT_EQ(e.number(), 380) << wrong;
        }
    }
    EXPECT_EQ(plate.text(), "___-____");
}

} // namespace
} // namespace usina::forms::testing
