#include "form.h"

#include "control.h"
#include "menu_item.h"
#include "window_system.h"

#include <algorithm>

namespace usina::forms {

Form::Form(WindowSystem& ws, std::string name) : ws_(ws), name_(std::move(name)) {}

Form::~Form() = default;

void Form::setCaption(std::string caption) {
    caption_ = std::move(caption);
    if (loaded_) {
        ws_.notifyForm(*this, FormEvent::Caption);
    }
}

void Form::setClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
}

void Form::setEnabled(bool e) {
    if (enabled_ == e) {
        return;
    }
    enabled_ = e;
    if (loaded_) {
        ws_.notifyForm(*this, FormEvent::Enabled);
    }
}

std::vector<MenuItem*> Form::menuBar() const {
    std::vector<MenuItem*> top;
    for (MenuItem* m : menuItems_) {
        if (m->parent() == nullptr) {
            top.push_back(m);
        }
    }
    return top;
}

Control* Form::findControl(const std::string& qualifiedName) const {
    for (Control* c : controls_) {
        if (c->qualifiedName() == qualifiedName) {
            return c;
        }
    }
    return nullptr;
}

MenuItem* Form::findMenu(const std::string& name) const {
    for (MenuItem* m : menuItems_) {
        if (m->name() == name) {
            return m;
        }
    }
    return nullptr;
}

void Form::Show() {
    ws_.show(*this);
}
void Form::ShowModal() {
    ws_.showModal(*this);
}
void Form::Hide() {
    ws_.hide(*this);
}
bool Form::Unload() {
    return ws_.unload(*this);
}

void Form::registerControl(Control* c) {
    controls_.push_back(c);
    if (c->hasTabIndex()) {
        tabOrder_.push_back(c);
    }
}

void Form::unregisterControl(Control* c) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    tabOrder_.erase(std::remove(tabOrder_.begin(), tabOrder_.end(), c), tabOrder_.end());
    if (lastFocused_ == c) {
        lastFocused_ = nullptr;
    }
}

int Form::tabIndexOf(const Control* c) const {
    const auto at = std::find(tabOrder_.begin(), tabOrder_.end(), c);
    return at == tabOrder_.end() ? -1 : static_cast<int>(at - tabOrder_.begin());
}

// The control takes place `index` (limited to the last place) and the others close up behind it, so
// the indices stay 0 to count - 1, each once.
void Form::moveInTabOrder(Control* c, int index) {
    const auto at = std::find(tabOrder_.begin(), tabOrder_.end(), c);
    if (at == tabOrder_.end()) {
        return;
    }
    tabOrder_.erase(at);
    const auto place = static_cast<std::ptrdiff_t>(std::clamp(index, 0, static_cast<int>(tabOrder_.size())));
    tabOrder_.insert(tabOrder_.begin() + place, c);
}

void Form::registerMenu(MenuItem* m) {
    menuItems_.push_back(m);
}

} // namespace usina::forms
