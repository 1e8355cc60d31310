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
}

void Form::unregisterControl(Control* c) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    if (lastFocused_ == c) {
        lastFocused_ = nullptr;
    }
}

void Form::registerMenu(MenuItem* m) {
    menuItems_.push_back(m);
}

} // namespace usina::forms
