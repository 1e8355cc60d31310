// Positions in a text count characters in the model and UTF-16 units in Qt; a character outside the
// basic plane is two units, one position.

#include "platform/qt/text_positions.h"

#include <gtest/gtest.h>

namespace usina::qt {
namespace {

TEST(TextPositions, CharactersAndUtf16UnitsMapBothWays) {
    const QString text = toQString("a\xF0\x9D\x84\x9E"
                                   "bç"); // a, G clef, b, c cedilla
    ASSERT_EQ(text.size(), 5);
    const int offsets[] = {0, 1, 3, 4, 5};
    for (int character = 0; character <= 4; ++character) {
        EXPECT_EQ(utf16Offset(text, character), offsets[character]) << character;
        EXPECT_EQ(characterIndex(text, offsets[character]), character) << character;
    }
    EXPECT_EQ(utf16Offset(text, 9), 5);
    EXPECT_EQ(characterIndex(text, 9), 4);
    EXPECT_EQ(toUtf8(text), "a\xF0\x9D\x84\x9E"
                            "bç");
}

} // namespace
} // namespace usina::qt
