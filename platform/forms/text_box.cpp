#include "text_box.h"

#include "key_codes.h"
#include "platform/value/text.h"

#include <algorithm>
#include <cstdlib>

namespace usina::forms {

int TextBox::length() const {
    return static_cast<int>(charCount(text_));
}

void TextBox::setText(std::string text) {
    if (text == text_) {
        return;
    }
    text_ = std::move(text);
    selStart_ = 0;
    selLength_ = 0;
    notify(Property::Text);
    raise(Change, "Change");
}

void TextBox::storeText(std::string text, int caret) {
    if (text == text_) {
        select(caret, 0);
        return;
    }
    text_ = std::move(text);
    selStart_ = std::clamp(caret, 0, length());
    selLength_ = 0;
    notify(Property::Text);
    raise(Change, "Change");
}

void TextBox::setSelStart(int start) {
    selStart_ = std::clamp(start, 0, length());
    selLength_ = 0;
    notify(Property::Selection);
}

void TextBox::setSelLength(int len) {
    selLength_ = std::clamp(len, 0, length() - selStart_);
    notify(Property::Selection);
}

void TextBox::select(int start, int len) {
    selStart_ = std::clamp(start, 0, length());
    selLength_ = std::clamp(len, 0, length() - selStart_);
    notify(Property::Selection);
}

void TextBox::selectAll() {
    select(0, length());
}

std::string TextBox::selText() const {
    return midChars(text_, static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_));
}

void TextBox::setPasswordChar(std::string c) {
    passwordChar_ = std::move(c);
    notify(Property::Text);
}

void TextBox::setAlignment(Alignment a) {
    alignment_ = a;
    notify(Property::Alignment);
}

void TextBox::replaceSelection(const std::string& with) {
    const std::string before = leftChars(text_, static_cast<std::size_t>(selStart_));
    const std::string after = midChars(text_, static_cast<std::size_t>(selStart_ + selLength_));
    const int caret = selStart_ + static_cast<int>(charCount(with));
    text_ = before + with + after;
    selStart_ = caret;
    selLength_ = 0;
    notify(Property::Text);
    raise(Change, "Change");
}

void TextBox::typeCharacter(int code) {
    if (locked_ || code < 32) {
        return;
    }
    if (maxLength_ > 0 && length() - selLength_ >= maxLength_) {
        return;
    }
    replaceSelection(charFromWindows1252(code));
}

void TextBox::backspace() {
    if (locked_) {
        return;
    }
    if (selLength_ == 0) {
        if (selStart_ == 0) {
            return;
        }
        --selStart_;
        selLength_ = 1;
    }
    replaceSelection("");
}

void TextBox::deleteForward() {
    if (locked_) {
        return;
    }
    if (selLength_ == 0) {
        if (selStart_ >= length()) {
            return;
        }
        selLength_ = 1;
    }
    replaceSelection("");
}

void TextBox::moveCaret(int keyCode, bool extend) {
    // The caret sits at the end of the selection; a selection grows and shrinks from its start.
    const int anchor = selStart_;
    const int caretNow = selStart_ + selLength_;
    int caret = caretNow;
    switch (keyCode) {
    case keys::home:
        caret = 0;
        break;
    case keys::end:
        caret = length();
        break;
    case keys::left:
        if (extend) {
            caret = std::max(caretNow - 1, anchor);
        } else {
            caret = selLength_ > 0 ? selStart_ : std::max(caretNow - 1, 0);
        }
        break;
    case keys::right:
        caret = (selLength_ > 0 && !extend) ? caretNow : std::min(caretNow + 1, length());
        break;
    default:
        return;
    }
    if (extend) {
        select(std::min(anchor, caret), std::abs(caret - anchor));
    } else {
        select(caret, 0);
    }
}

} // namespace usina::forms
