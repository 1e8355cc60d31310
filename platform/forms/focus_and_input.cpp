// Focus moves, keys, queued keystrokes and what the person does with the mouse.

#include "accelerator.h"
#include "check_box.h"
#include "command_button.h"
#include "control.h"
#include "key_codes.h"
#include "list_control.h"
#include "menu_item.h"
#include "observer.h"
#include "platform/value/text.h"
#include "scroll_bar.h"
#include "window_system.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <stdexcept>

namespace usina::forms {

namespace {

bool isTextEntry(const Control& c) {
    return c.kind() == ControlKind::TextBox || c.kind() == ControlKind::MaskedBox ||
           c.kind() == ControlKind::ComboBox;
}

} // namespace

// ---- focus ---------------------------------------------------------------------------------------

bool WindowSystem::setFocus(Control& target) {
    throwIfEnded();
    if (!target.canTakeFocus()) {
        return false;
    }
    return moveFocus(target.form(), &target);
}

bool WindowSystem::setFocusOrRun(Control& target, const std::function<void()>& instead) {
    throwIfEnded();
    if (focusMove_.active && target.canTakeFocus()) {
        // A move is under way: it takes this target and raises its GotFocus when it completes.
        focusMove_.target = &target;
        return true;
    }
    if (setFocus(target)) {
        return true;
    }
    target.raise(instead ? instead : target.GotFocus, "GotFocus");
    return false;
}

bool WindowSystem::moveFocus(Form& window, Control* target) {
    if (focusMove_.active) {
        // A LostFocus or Form_Activate handler redirects the move under way.
        if (target != nullptr) {
            focusMove_.target = target;
        }
        return true;
    }
    if (target != nullptr ? focused_ == target : focused_ == nullptr && activeForm_ == &window) {
        return false;
    }
    focusMove_ = FocusMove{true, target};
    struct EndOfMove {
        FocusMove& move;
        ~EndOfMove() { move = FocusMove{}; }
    } endOfMove{focusMove_};
    Control* old = focused_;
    if (old != nullptr) {
        raiseLostFocusOf(*old);
    }
    Form* arriving = focusMove_.target != nullptr ? &focusMove_.target->form() : &window;
    if (activeForm_ != arriving && arriving->loaded_ && arriving->visible_) {
        activate(*arriving);
    }
    Control* final = focusMove_.target;
    focusMove_ = FocusMove{};
    if (final != nullptr && !final->canTakeFocus()) {
        final = nullptr;
    }
    if (final == nullptr) {
        // The focus stays where it was only while that control can keep it in the active window.
        if (old != nullptr && (!old->canTakeFocus() || &old->form() != activeForm_)) {
            focused_ = nullptr;
            if (observer_ != nullptr) {
                observer_->focusChanged(nullptr);
            }
        }
        return false;
    }
    if (activeForm_ != &final->form()) {
        activate(final->form());
    }
    focused_ = final;
    final->form().lastFocused_ = final;
    if (observer_ != nullptr) {
        observer_->focusChanged(final);
    }
    final->raise(final->GotFocus, "GotFocus");
    return final == target;
}

const std::vector<Control*>& WindowSystem::tabOrder(const Form& form) const {
    return form.tabOrder_;
}

void WindowSystem::tabFrom(Control* from, bool backwards) {
    Form* form = from != nullptr ? &from->form() : activeForm_;
    if (form == nullptr) {
        return;
    }
    std::vector<Control*> order;
    for (Control* c : tabOrder(*form)) {
        if ((c->tabStop() && c->canTakeFocus()) || c == from) {
            order.push_back(c);
        }
    }
    if (order.empty()) {
        return;
    }
    if (backwards) {
        std::reverse(order.begin(), order.end());
    }
    auto at = std::find(order.begin(), order.end(), from);
    Control* next = at == order.end() || std::next(at) == order.end() ? order.front() : *std::next(at);
    if (next != from) {
        setFocus(*next);
    }
}

// ---- keys ----------------------------------------------------------------------------------------

void WindowSystem::pressKey(int keyCode, int shift, int windows1252Char) {
    if (ended_) {
        return;
    }
    Form* form = focused_ != nullptr ? &focused_->form() : activeForm_;
    if (form == nullptr || !acceptsInput(*form)) {
        return;
    }
    const std::string site = focused_ != nullptr ? focused_->name() + "_KeyDown" : "Form_KeyDown";
    raise(form->name(), site, [&] { runKey(keyCode, shift, windows1252Char); });
}

void WindowSystem::typeText(const std::string& utf8) {
    std::size_t count = charCount(utf8);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string ch = midChars(utf8, i, 1);
        char32_t cp = 0;
        // Decode the one character.
        const auto* b = reinterpret_cast<const unsigned char*>(ch.data());
        if (b[0] < 0x80) {
            cp = b[0];
        } else if ((b[0] & 0xE0) == 0xC0) {
            cp = ((b[0] & 0x1Fu) << 6) | (b[1] & 0x3Fu);
        } else if ((b[0] & 0xF0) == 0xE0) {
            cp = ((b[0] & 0x0Fu) << 12) | ((b[1] & 0x3Fu) << 6) | (b[2] & 0x3Fu);
        } else {
            cp = ((b[0] & 0x07u) << 18) | ((b[1] & 0x3Fu) << 12) | ((b[2] & 0x3Fu) << 6) | (b[3] & 0x3Fu);
        }
        const int code = windows1252FromCodePoint(cp);
        int keyCode = code;
        int shift = 0;
        if (code >= 'a' && code <= 'z') {
            keyCode = code - 'a' + keys::letterA;
        } else if (code >= 'A' && code <= 'Z') {
            shift = keys::shiftMask;
        } else if (code == ',') {
            keyCode = 188;
        } else if (code == '.') {
            keyCode = 190;
        } else if (code == '-') {
            keyCode = 189;
        } else if (code == '\r' || code == '\n') {
            keyCode = keys::enter;
        }
        pressKey(keyCode, shift, code == '\n' ? keys::enter : code);
    }
}

bool WindowSystem::runMenuShortcut(int keyCode, int shift) {
    if ((shift & keys::ctrlMask) == 0 || activeForm_ == nullptr) {
        return false;
    }
    const char letter = static_cast<char>(std::toupper(keyCode));
    for (MenuItem* m : activeForm_->menuItems_) {
        if (m->shortcutLetter() != 0 && m->shortcutLetter() == letter) {
            if (m->effectivelyEnabled()) {
                raise(activeForm_->name(), m->name() + "_Click", m->Click);
            }
            return true;
        }
    }
    return false;
}

// Alt with a caption's access key: a button is clicked, a check box ticked or cleared, an option
// chosen (each taking the focus first); a label or frame gives the focus to the next control in tab
// order that can take it. Several captions with one key take turns from the focused control on.
bool WindowSystem::runAccelerator(Form& form, int keyCode) {
    const std::vector<Control*>& order = tabOrder(form);
    const auto focusedAt = std::find(order.begin(), order.end(), focused_);
    const std::size_t start =
        focusedAt == order.end() ? 0 : static_cast<std::size_t>(focusedAt - order.begin()) + 1;
    for (std::size_t step = 0; step < order.size(); ++step) {
        Control& c = *order[(start + step) % order.size()];
        if (acceleratorOf(captionOf(c)) != keyCode || !c.effectivelyVisible() || !c.effectivelyEnabled()) {
            continue;
        }
        if (c.isFocusableKind()) {
            click(c);
            return true;
        }
        const auto at = std::find(order.begin(), order.end(), &c);
        for (auto next = std::next(at); next != order.end(); ++next) {
            if ((*next)->canTakeFocus()) {
                setFocus(**next);
                return true;
            }
        }
    }
    return false;
}

void WindowSystem::runKey(int keyCode, int shift, int windows1252Char) {
    if (runMenuShortcut(keyCode, shift)) {
        return;
    }
    if (keyCode == keys::tab) {
        tabFrom(focused_, (shift & keys::shiftMask) != 0);
        return;
    }
    Control* control = focused_;
    Form* form = control != nullptr ? &control->form() : activeForm_;
    if (form == nullptr) {
        return;
    }
    int code = keyCode;
    if (form->keyPreview_) {
        raise(form->name(), "Form_KeyDown", [&] { form->Form_KeyDown(code, shift); });
    }
    if (code != 0 && control != nullptr && control == focused_ && control->KeyDown) {
        control->raise([&] { control->KeyDown(code, shift); }, "KeyDown");
    }
    if (code != 0 && (shift & (keys::altMask | keys::ctrlMask)) == keys::altMask &&
        runAccelerator(*form, code)) {
        return;
    }
    if (code != 0 && focused_ != nullptr && focused_ == control) {
        defaultKeyDown(*control, code, shift);
    }
    if (windows1252Char < 0) {
        return;
    }
    // The character goes to whatever holds the focus now.
    control = focused_;
    form = control != nullptr ? &control->form() : activeForm_;
    if (form == nullptr || !acceptsInput(*form)) {
        return;
    }
    int ascii = windows1252Char;
    if (form->keyPreview_) {
        raise(form->name(), "Form_KeyPress", [&] { form->Form_KeyPress(ascii); });
    }
    if (ascii != 0 && control != nullptr && control == focused_ && control->KeyPress) {
        control->raise([&] { control->KeyPress(ascii); }, "KeyPress");
    }
    if (ascii != 0 && control != nullptr && control == focused_) {
        defaultKeyPress(*control, ascii);
    }
    if (ascii == keys::enter && (control == nullptr || control->kind() != ControlKind::CommandButton)) {
        clickDefaultButton(*form);
    }
}

bool WindowSystem::comboKeyDown(ComboBox& combo, int keyCode, int shift) {
    const bool alt = (shift & keys::altMask) != 0;
    if (keyCode == keys::f4 || (alt && (keyCode == keys::up || keyCode == keys::down))) {
        combo.setDroppedDown(keyCode == keys::f4 ? !combo.droppedDown() : keyCode == keys::down);
        return true;
    }
    if (keyCode == keys::up || keyCode == keys::down) {
        const int next = combo.listIndex() + (keyCode == keys::down ? 1 : -1);
        if (next >= 0 && next < combo.listCount()) {
            combo.setListIndex(next);
        }
        return true;
    }
    if (combo.droppedDown() && (keyCode == keys::enter || keyCode == keys::escape)) {
        combo.setDroppedDown(false);
    }
    return false;
}

void WindowSystem::defaultKeyDown(Control& c, int keyCode, int shift) {
    const bool extend = (shift & keys::shiftMask) != 0;
    if (c.kind() == ControlKind::ComboBox && comboKeyDown(static_cast<ComboBox&>(c), keyCode, shift)) {
        return;
    }
    if (c.kind() == ControlKind::ListBox && (keyCode == keys::up || keyCode == keys::down)) {
        auto& list = static_cast<ListBox&>(c);
        const int next = list.listIndex() + (keyCode == keys::down ? 1 : -1);
        if (next >= 0 && next < list.listCount()) {
            list.setListIndex(next);
        }
        return;
    }
    if (isTextEntry(c)) {
        auto& box = static_cast<TextBox&>(c);
        if (keyCode == keys::del) {
            box.deleteForward();
        } else {
            box.moveCaret(keyCode, extend);
        }
        return;
    }
    if (c.kind() == ControlKind::ScrollBar) {
        // Up and Down belong to the windows' own handlers; the bar steps on Left, Right and the pages.
        auto& bar = static_cast<ScrollBar&>(c);
        switch (keyCode) {
        case keys::left:
            bar.setValue(bar.value() - bar.smallChange());
            break;
        case keys::right:
            bar.setValue(bar.value() + bar.smallChange());
            break;
        case keys::pageUp:
            bar.setValue(bar.value() - bar.largeChange());
            break;
        case keys::pageDown:
            bar.setValue(bar.value() + bar.largeChange());
            break;
        case keys::home:
            bar.setValue(bar.min());
            break;
        case keys::end:
            bar.setValue(bar.max());
            break;
        default:
            break;
        }
    }
}

void WindowSystem::defaultKeyPress(Control& c, int ascii) {
    if (isTextEntry(c)) {
        auto& box = static_cast<TextBox&>(c);
        if (ascii == keys::backspace) {
            box.backspace();
        } else if (ascii >= 32) {
            box.typeCharacter(ascii);
        }
        return;
    }
    if (c.kind() == ControlKind::CommandButton && (ascii == keys::enter || ascii == keys::space)) {
        c.raise(c.Click, "Click");
        return;
    }
    if (c.kind() == ControlKind::CheckBox && ascii == keys::space) {
        auto& box = static_cast<CheckBox&>(c);
        box.setValue(box.value() == 1 ? 0 : 1);
    }
}

void WindowSystem::clickDefaultButton(Form& form) {
    for (Control* c : form.controls_) {
        auto* button = dynamic_cast<CommandButton*>(c);
        if (button != nullptr && button->isDefault() && button->effectivelyEnabled() &&
            button->effectivelyVisible()) {
            button->raise(button->Click, "Click");
            return;
        }
    }
}

// ---- queued keystrokes ---------------------------------------------------------------------------

void WindowSystem::sendKeys(const std::string& keys) {
    int shift = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const char ch = keys[i];
        if (ch == '+') {
            shift |= keys::shiftMask;
            continue;
        }
        if (ch == '^') {
            shift |= keys::ctrlMask;
            continue;
        }
        QueuedKey key{std::toupper(static_cast<unsigned char>(ch)), shift, static_cast<unsigned char>(ch)};
        if (ch == '{') {
            const std::size_t close = keys.find('}', i);
            if (close == std::string::npos) {
                throw std::invalid_argument("unclosed key name in SendKeys: " + keys);
            }
            std::string name = keys.substr(i + 1, close - i - 1);
            std::transform(name.begin(), name.end(), name.begin(),
                           [](unsigned char c) { return std::tolower(c); });
            i = close;
            static const std::map<std::string, QueuedKey> named{
                {"tab", {keys::tab, 0, -1}},   {"home", {keys::home, 0, -1}},
                {"end", {keys::end, 0, -1}},   {"enter", {keys::enter, 0, keys::enter}},
                {"left", {keys::left, 0, -1}}, {"right", {keys::right, 0, -1}},
            };
            auto found = named.find(name);
            if (found == named.end()) {
                throw std::invalid_argument("unknown key in SendKeys: " + name);
            }
            key = found->second;
            key.shift = shift;
        }
        queuedKeys_.push_back(key);
        shift = 0;
    }
    // Outside any event (no running handler), run them at once.
    if (depth_ == loopBase_.back()) {
        runQueuedInput();
    }
}

void WindowSystem::runQueuedInput() {
    if (drainingKeys_) {
        return;
    }
    drainingKeys_ = true;
    while (!queuedKeys_.empty() && !ended_) {
        const QueuedKey key = queuedKeys_.front();
        queuedKeys_.pop_front();
        pressKey(key.keyCode, key.shift, key.character);
    }
    drainingKeys_ = false;
}

// ---- the mouse -----------------------------------------------------------------------------------

void WindowSystem::actOnControl(Control& c, const char* eventName, const std::function<void()>& act) {
    if (!acceptsInput(c.form()) || !c.effectivelyEnabled() || !c.effectivelyVisible()) {
        return;
    }
    raise(c.form().name(), c.name() + "_" + eventName, act);
}

void WindowSystem::click(Control& c) {
    actOnControl(c, "Click", [&] {
        if (c.isFocusableKind()) {
            setFocus(c);
        }
        if (c.kind() == ControlKind::CheckBox) {
            auto& box = static_cast<CheckBox&>(c);
            box.setValue(box.value() == 1 ? 0 : 1);
        } else if (c.kind() == ControlKind::OptionButton) {
            static_cast<OptionButton&>(c).setValue(true);
        } else {
            c.raise(c.Click, "Click");
        }
    });
}

void WindowSystem::doubleClick(Control& c) {
    actOnControl(c, "DblClick", [&] { c.raise(c.DblClick, "DblClick"); });
}

void WindowSystem::clickMenu(MenuItem& item) {
    if (!acceptsInput(item.form()) || !item.effectivelyEnabled()) {
        return;
    }
    raise(item.form().name(), item.name() + "_Click", item.Click);
}

void WindowSystem::choose(ComboBox& combo, int index) {
    actOnControl(combo, "Click", [&] {
        setFocus(combo);
        combo.setDroppedDown(false);
        if (index >= 0 && index < combo.listCount()) {
            combo.setListIndex(index);
        }
    });
}

void WindowSystem::choose(ListBox& list, int index) {
    actOnControl(list, "Click", [&] {
        setFocus(list);
        if (index >= 0 && index < list.listCount()) {
            list.setListIndex(index);
        }
    });
}

void WindowSystem::scrollTo(ScrollBar& bar, int value) {
    actOnControl(bar, "Change", [&] {
        setFocus(bar);
        bar.setValue(value);
    });
}

void WindowSystem::focusByPerson(Control& control) {
    if (!acceptsInput(control.form())) {
        return;
    }
    raise(control.form().name(), control.name() + "_GotFocus", [&] { setFocus(control); });
}

void WindowSystem::selectByPerson(Control& control, int start, int length) {
    if (isTextEntry(control)) {
        static_cast<TextBox&>(control).select(start, length);
    }
}

void WindowSystem::activateByPerson(Form& form) {
    if (!acceptsInput(form)) {
        return;
    }
    raise(form.name(), "Form_Activate", [&] { activateWithFocus(form); });
}

void WindowSystem::closeByPerson(Form& form) {
    if (ended_ || !form.loaded_) {
        return;
    }
    if (!modalStack_.empty() && modalStack_.back() != &form) {
        return;
    }
    raise(form.name(), "Form_Unload", [&] { unload(form); });
}

} // namespace usina::forms
