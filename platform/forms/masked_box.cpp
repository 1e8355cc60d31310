#include "masked_box.h"

#include "platform/value/run_time_error.h"
#include "platform/value/text.h"

namespace usina::forms {

namespace {

constexpr int invalidPropertyValue = 380;

bool isLetter(int code) {
    // Windows-1252: the Latin letters, the accented ones and the few letters of the 0x80 row.
    if ((code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z')) {
        return true;
    }
    if (code >= 0xC0 && code <= 0xFF) {
        return code != 0xD7 && code != 0xF7;
    }
    return code == 0x8A || code == 0x8C || code == 0x8E || code == 0x9A || code == 0x9C || code == 0x9E ||
           code == 0x9F;
}

std::vector<std::string> split(const std::string& text) {
    std::vector<std::string> characters;
    const std::size_t count = charCount(text);
    for (std::size_t i = 0; i < count; ++i) {
        characters.push_back(midChars(text, i, 1));
    }
    return characters;
}

std::string joined(const std::vector<std::string>& characters) {
    std::string text;
    for (const std::string& c : characters) {
        text += c;
    }
    return text;
}

int codeOf(const std::string& character) {
    return static_cast<unsigned char>(toWindows1252(character).front());
}

RunTimeError invalidValue() {
    return RunTimeError(invalidPropertyValue, "Invalid property value");
}

} // namespace

MaskedBox::MaskedBox(Form& form, std::string name, int index)
    : TextBox(form, std::move(name), index, ControlKind::MaskedBox) {}

void MaskedBox::setMask(std::string mask) {
    mask_ = std::move(mask);
    storeText(promptedText(), 0);
}

void MaskedBox::setPromptChar(std::string prompt) {
    if (charCount(prompt) != 1 || prompt == prompt_) {
        return;
    }
    std::vector<std::string> chars = characters();
    for (int p = 0; p < static_cast<int>(chars.size()); ++p) {
        if (isSlot(p) && chars[static_cast<std::size_t>(p)] == prompt_) {
            chars[static_cast<std::size_t>(p)] = prompt;
        }
    }
    prompt_ = std::move(prompt);
    store(chars, selStart());
}

bool MaskedBox::isSlot(int position) const {
    const char m = position >= 0 && position < static_cast<int>(mask_.size())
                       ? mask_[static_cast<std::size_t>(position)]
                       : 0;
    return m == '?' || m == '9';
}

bool MaskedBox::takes(int position, int code) const {
    switch (mask_[static_cast<std::size_t>(position)]) {
    case '?':
        return isLetter(code);
    case '9':
        return code >= '0' && code <= '9';
    default:
        return false;
    }
}

std::string MaskedBox::promptedText() const {
    std::string text;
    for (int p = 0; p < static_cast<int>(mask_.size()); ++p) {
        text += isSlot(p) ? prompt_ : std::string(1, mask_[static_cast<std::size_t>(p)]);
    }
    return text;
}

std::vector<std::string> MaskedBox::characters() const {
    return split(text());
}

void MaskedBox::store(const std::vector<std::string>& chars, int caret) {
    storeText(joined(chars), caret);
}

std::string MaskedBox::clipText() const {
    if (mask_.empty()) {
        return text();
    }
    const std::vector<std::string> chars = characters();
    std::string typed;
    for (int p = 0; p < static_cast<int>(chars.size()); ++p) {
        if (isSlot(p) && chars[static_cast<std::size_t>(p)] != prompt_) {
            typed += chars[static_cast<std::size_t>(p)];
        }
    }
    return typed;
}

void MaskedBox::setText(std::string text) {
    if (mask_.empty()) {
        TextBox::setText(std::move(text));
        return;
    }
    const std::vector<std::string> given = split(text);
    const int size = static_cast<int>(mask_.size());
    std::vector<std::string> chars = split(promptedText());
    if (static_cast<int>(given.size()) == size) {
        // The text as shown: literals in their places, prompts where nothing is typed.
        for (int p = 0; p < size; ++p) {
            const std::string& c = given[static_cast<std::size_t>(p)];
            const bool fits =
                isSlot(p) ? c == prompt_ || takes(p, codeOf(c)) : c == chars[static_cast<std::size_t>(p)];
            if (!fits) {
                throw invalidValue();
            }
        }
        chars = given;
    } else {
        // Only what is typed, filling the positions in order.
        std::size_t next = 0;
        for (int p = 0; p < size && next < given.size(); ++p) {
            if (!isSlot(p)) {
                continue;
            }
            const std::string& c = given[next++];
            if (!takes(p, codeOf(c))) {
                throw invalidValue();
            }
            chars[static_cast<std::size_t>(p)] = c;
        }
        if (next < given.size()) {
            throw invalidValue();
        }
    }
    store(chars, 0);
}

void MaskedBox::typeCharacter(int code) {
    if (mask_.empty()) {
        TextBox::typeCharacter(code);
        return;
    }
    if (locked() || code < 32) {
        return;
    }
    std::vector<std::string> chars = characters();
    const int size = static_cast<int>(chars.size());
    const int from = selStart();
    for (int p = from; p < from + selLength(); ++p) {
        if (isSlot(p)) {
            chars[static_cast<std::size_t>(p)] = prompt_;
        }
    }
    // The position at or after the caret, but no further than the first one still free: typing
    // never leaves a gap behind it.
    int target = -1;
    for (int p = from; p < size && target < 0; ++p) {
        if (isSlot(p)) {
            target = p;
        }
    }
    for (int p = 0; p < size; ++p) {
        if (isSlot(p) && chars[static_cast<std::size_t>(p)] == prompt_) {
            if (target < 0 || p < target) {
                target = p;
            }
            break;
        }
    }
    if (target < 0 || !takes(target, code)) {
        return;
    }
    chars[static_cast<std::size_t>(target)] = charFromWindows1252(code);
    int caret = target + 1;
    while (caret < size && !isSlot(caret)) {
        ++caret;
    }
    store(chars, caret);
}

void MaskedBox::clearSlots(int from, int to, int caret) {
    std::vector<std::string> chars = characters();
    for (int p = std::max(from, 0); p < std::min(to, static_cast<int>(chars.size())); ++p) {
        if (isSlot(p)) {
            chars[static_cast<std::size_t>(p)] = prompt_;
        }
    }
    store(chars, caret);
}

void MaskedBox::backspace() {
    if (mask_.empty()) {
        TextBox::backspace();
    } else {
        erase(false);
    }
}

void MaskedBox::deleteForward() {
    if (mask_.empty()) {
        TextBox::deleteForward();
    } else {
        erase(true);
    }
}

// Backspace clears the position before the caret and moves there, Delete the one at the caret; a
// selection is cleared either way. Literals are stepped over and nothing closes up.
void MaskedBox::erase(bool forward) {
    if (locked()) {
        return;
    }
    if (selLength() > 0) {
        clearSlots(selStart(), selStart() + selLength(), selStart());
        return;
    }
    const int size = static_cast<int>(mask_.size());
    int p = forward ? selStart() : selStart() - 1;
    while (p >= 0 && p < size && !isSlot(p)) {
        p += forward ? 1 : -1;
    }
    if (p >= 0 && p < size) {
        clearSlots(p, p + 1, forward ? selStart() : p);
    }
}

} // namespace usina::forms
