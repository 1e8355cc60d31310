// Qt's key events in the old runtime's codes: KeyDown's key and shift state, KeyPress's character.

#include "platform/qt/key_strokes.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

#include <optional>
#include <ostream>

namespace usina::qt {

void PrintTo(const KeyStroke& k, std::ostream* os) {
    *os << "{" << k.keyCode << ", " << k.shift << ", " << k.character << "}";
}

namespace {

struct KeyCase {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    std::optional<KeyStroke> expected;
};

TEST(KeyStrokes, QtKeysGiveTheOldRuntimesCodes) {
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    const KeyCase cases[] = {
        {Qt::Key_Ccedilla, none, "ç", KeyStroke{231, 0, 231}},
        {Qt::Key_Atilde, none, "ã", KeyStroke{227, 0, 227}},
        {Qt::Key_A, none, "a", KeyStroke{65, 0, 97}},
        {Qt::Key_A, Qt::ShiftModifier, "A", KeyStroke{65, 1, 65}},
        {Qt::Key_5, none, "5", KeyStroke{53, 0, 53}},
        {Qt::Key_5, keypad, "5", KeyStroke{101, 0, 53}},
        {Qt::Key_Return, none, "\r", KeyStroke{13, 0, 13}},
        {Qt::Key_Enter, keypad, "\r", KeyStroke{13, 0, 13}},
        // The keypad's decimal key types the comma, whatever the keyboard's layout puts on it.
        {Qt::Key_Period, keypad, ".", KeyStroke{110, 0, 44}},
        {Qt::Key_Comma, keypad, ",", KeyStroke{110, 0, 44}},
        {Qt::Key_Period, none, ".", KeyStroke{190, 0, 46}},
        {Qt::Key_Comma, none, ",", KeyStroke{188, 0, 44}},
        {Qt::Key_Backspace, none, "\b", KeyStroke{8, 0, 8}},
        {Qt::Key_Escape, none, "\x1b", KeyStroke{27, 0, 27}},
        {Qt::Key_Delete, none, "\x7f", KeyStroke{46, 0, -1}},
        {Qt::Key_Tab, none, "\t", KeyStroke{9, 0, -1}},
        {Qt::Key_Backtab, Qt::ShiftModifier, "", KeyStroke{9, 1, -1}},
        {Qt::Key_F1, none, "", KeyStroke{112, 0, -1}},
        {Qt::Key_Up, none, "", KeyStroke{38, 0, -1}},
        {Qt::Key_Down, none, "", KeyStroke{40, 0, -1}},
        {Qt::Key_Left, none, "", KeyStroke{37, 0, -1}},
        {Qt::Key_Right, none, "", KeyStroke{39, 0, -1}},
        {Qt::Key_Home, keypad, "", KeyStroke{36, 0, -1}},
        {Qt::Key_End, none, "", KeyStroke{35, 0, -1}},
        {Qt::Key_T, Qt::ControlModifier, "\x14", KeyStroke{84, 2, 20}},
        {Qt::Key_A, Qt::AltModifier, "a", KeyStroke{65, 4, -1}},
        // Qt reports a modifier key's own press with its modifier already down.
        {Qt::Key_Shift, none, "", KeyStroke{16, 1, -1}},
        // A dead key types nothing until the next key completes it.
        {Qt::Key_Dead_Tilde, none, "", std::nullopt},
    };
    for (const KeyCase& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, QString::fromUtf8(c.text));
        EXPECT_EQ(keyStrokeOf(event), c.expected) << "Qt key " << c.key << " text \"" << c.text << "\"";
    }
}

TEST(KeyStrokes, CommittedCharactersTypeAsTheModelTypesThem) {
    EXPECT_EQ(keyStrokeOfCharacter(U'é'), (KeyStroke{233, 0, 233}));
    EXPECT_EQ(keyStrokeOfCharacter(U'b'), (KeyStroke{66, 0, 98}));
    EXPECT_EQ(keyStrokeOfCharacter(U'B'), (KeyStroke{66, 1, 66}));
    EXPECT_EQ(keyStrokeOfCharacter(U'€'), (KeyStroke{128, 0, 128}));
}

} // namespace
} // namespace usina::qt
