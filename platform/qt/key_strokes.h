#pragma once
// A Qt key event as the old runtime reported it: the KeyDown code and shift state, and the KeyPress
// character in Windows-1252.

#include <optional>

class QKeyEvent;

namespace usina::qt {

struct KeyStroke {
    int keyCode = 0;
    int shift = 0;
    // -1 for keys that type nothing (arrows, Delete, function keys, Tab).
    int character = -1;

    bool operator==(const KeyStroke&) const = default;
};

// Nothing for keys the old runtime had no code for.
std::optional<KeyStroke> keyStrokeOf(const QKeyEvent& event);
// The stroke that types one character (what an input method commits), as the model's own typing
// gives it: letters by their capital's code, Shift for capitals.
KeyStroke keyStrokeOfCharacter(char32_t codePoint);

} // namespace usina::qt
