#pragma once

#include "control.h"

namespace usina::forms {

// A single-line entry box. Its text changes by code (setText) or by the keys the window system
// passes on after the handlers had their say; every change raises Change, also from inside Change.
class TextBox : public Control {
public:
    TextBox(Form& form, std::string name, int index = -1, ControlKind kind = ControlKind::TextBox)
        : Control(form, kind, std::move(name), index) {
        setBackColor(colors::windowBackground);
        setForeColor(colors::windowText);
    }

    const std::string& text() const { return text_; }
    // Code writes any length; the caret goes to the start.
    virtual void setText(std::string text);

    // Selection in characters.
    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    void setSelStart(int start);
    void setSelLength(int length);
    std::string selText() const;
    void select(int start, int length);
    void selectAll();

    // Limits what the person types, not what code writes; 0 = no limit.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int n) { maxLength_ = n; }
    bool locked() const { return locked_; }
    void setLocked(bool l) { locked_ = l; }
    // Shown in place of every character (passwords); empty = the text itself.
    const std::string& passwordChar() const { return passwordChar_; }
    void setPasswordChar(std::string c);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);
    bool bordered() const { return bordered_; }
    void setBordered(bool b) { bordered_ = b; }

    // Editing by the person, after KeyPress/KeyDown handlers let the key through.
    virtual void typeCharacter(int windows1252Code);
    virtual void backspace();
    virtual void deleteForward();
    void moveCaret(int keyCode, bool extendSelection);

protected:
    void replaceSelection(const std::string& with);
    // The whole text with the caret at `caret`; Change only when the text is another.
    void storeText(std::string text, int caret);
    int length() const;

private:
    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
    int maxLength_ = 0;
    bool locked_ = false;
    std::string passwordChar_;
    Alignment alignment_ = Alignment::Left;
    bool bordered_ = true;
};

} // namespace usina::forms
