#include "platform/qt/key_strokes.h"

#include "platform/forms/key_codes.h"
#include "platform/value/text.h"

#include <QKeyEvent>

#include <array>

namespace usina::qt {

namespace keys = forms::keys;

namespace {

// Codes key_codes.h has no name for, as the old runtime numbered them.
constexpr int altKey = 18;
constexpr int pauseKey = 19;
constexpr int numpadMultiply = 106;
constexpr int numpadAdd = 107;
constexpr int numpadSubtract = 109;
constexpr int numpadDivide = 111;
constexpr int oemComma = 188;
constexpr int oemMinus = 189;
constexpr int oemPeriod = 190;

struct NamedKey {
    int qtKey;
    int keyCode;
    int character;
};

// Keys known by name; Tab moves the focus and types nothing.
constexpr std::array namedKeys{
    NamedKey{Qt::Key_Backspace, keys::backspace, keys::backspace},
    NamedKey{Qt::Key_Tab, keys::tab, -1},
    NamedKey{Qt::Key_Backtab, keys::tab, -1},
    NamedKey{Qt::Key_Return, keys::enter, keys::enter},
    NamedKey{Qt::Key_Enter, keys::enter, keys::enter},
    NamedKey{Qt::Key_Shift, keys::shift, -1},
    NamedKey{Qt::Key_Control, keys::control, -1},
    NamedKey{Qt::Key_Alt, altKey, -1},
    NamedKey{Qt::Key_Pause, pauseKey, -1},
    NamedKey{Qt::Key_Escape, keys::escape, keys::escape},
    NamedKey{Qt::Key_Space, keys::space, keys::space},
    NamedKey{Qt::Key_PageUp, keys::pageUp, -1},
    NamedKey{Qt::Key_PageDown, keys::pageDown, -1},
    NamedKey{Qt::Key_End, keys::end, -1},
    NamedKey{Qt::Key_Home, keys::home, -1},
    NamedKey{Qt::Key_Left, keys::left, -1},
    NamedKey{Qt::Key_Up, keys::up, -1},
    NamedKey{Qt::Key_Right, keys::right, -1},
    NamedKey{Qt::Key_Down, keys::down, -1},
    NamedKey{Qt::Key_Insert, keys::insert, -1},
    NamedKey{Qt::Key_Delete, keys::del, -1},
};

// The keypad's operator keys; its decimal key types the comma of the regional setting.
constexpr std::array keypadKeys{
    NamedKey{Qt::Key_Asterisk, numpadMultiply, '*'},   NamedKey{Qt::Key_Plus, numpadAdd, '+'},
    NamedKey{Qt::Key_Minus, numpadSubtract, '-'},      NamedKey{Qt::Key_Period, keys::numpadDecimal, ','},
    NamedKey{Qt::Key_Comma, keys::numpadDecimal, ','}, NamedKey{Qt::Key_Slash, numpadDivide, '/'},
};

const NamedKey* find(const auto& table, int qtKey) {
    for (const NamedKey& k : table) {
        if (k.qtKey == qtKey) {
            return &k;
        }
    }
    return nullptr;
}

int shiftStateOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers m = event.modifiers();
    int shift = 0;
    if (m.testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Backtab) {
        shift |= keys::shiftMask;
    }
    if (m.testFlag(Qt::ControlModifier)) {
        shift |= keys::ctrlMask;
    }
    if (m.testFlag(Qt::AltModifier)) {
        shift |= keys::altMask;
    }
    return shift;
}

// The character the key types, as Windows-1252; -1 when it types none.
int typedCharacter(const QKeyEvent& event, int shift) {
    const int key = event.key();
    const bool ctrl = (shift & keys::ctrlMask) != 0;
    const bool alt = (shift & keys::altMask) != 0;
    if (ctrl && !alt) {
        // Ctrl with a letter types its control character (Ctrl+A is 1).
        return key >= Qt::Key_A && key <= Qt::Key_Z ? key - Qt::Key_A + 1 : -1;
    }
    if (alt && !ctrl) {
        return -1;
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z) {
            return (shift & keys::shiftMask) != 0 ? key : key - Qt::Key_A + 'a';
        }
        return key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde ? key : -1;
    }
    const char32_t codePoint = text.toUcs4().value(0);
    return codePoint < 32 || codePoint == 127 ? -1 : windows1252FromCodePoint(codePoint);
}

// The KeyDown code of a key that types `character`, as the model's own typing gives it.
int keyCodeOfCharacter(int character) {
    switch (character) {
    case ',':
        return oemComma;
    case '-':
        return oemMinus;
    case '.':
        return oemPeriod;
    default:
        return character;
    }
}

} // namespace

std::optional<KeyStroke> keyStrokeOf(const QKeyEvent& event) {
    const int key = event.key();
    const int shift = shiftStateOf(event);
    if (event.modifiers().testFlag(Qt::KeypadModifier)) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9) {
            return KeyStroke{keys::numpad0 + (key - Qt::Key_0), shift, typedCharacter(event, shift)};
        }
        if (const NamedKey* k = find(keypadKeys, key)) {
            return KeyStroke{k->keyCode, shift, k->character};
        }
    }
    if (const NamedKey* k = find(namedKeys, key)) {
        const bool typesNothing =
            (shift & (keys::ctrlMask | keys::altMask)) != 0 && k->character != keys::enter;
        return KeyStroke{k->keyCode, shift, typesNothing ? -1 : k->character};
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return KeyStroke{keys::f1 + (key - Qt::Key_F1), shift, -1};
    }
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        return KeyStroke{key, shift, typedCharacter(event, shift)};
    }
    const int character = typedCharacter(event, shift);
    if (character < 0) {
        return std::nullopt;
    }
    return KeyStroke{keyCodeOfCharacter(character), shift, character};
}

KeyStroke keyStrokeOfCharacter(char32_t codePoint) {
    const int character = windows1252FromCodePoint(codePoint);
    if (character >= 'a' && character <= 'z') {
        return KeyStroke{character - 'a' + keys::letterA, 0, character};
    }
    if (character >= 'A' && character <= 'Z') {
        return KeyStroke{character, keys::shiftMask, character};
    }
    return KeyStroke{keyCodeOfCharacter(character), 0, character};
}

} // namespace usina::qt
