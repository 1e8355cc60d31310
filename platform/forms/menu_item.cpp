#include "menu_item.h"

#include "form.h"
#include "window_system.h"

namespace usina::forms {

MenuItem::MenuItem(Form& form, std::string name, std::string caption, MenuItem* parent)
    : form_(form), name_(std::move(name)), caption_(std::move(caption)), parent_(parent) {
    if (parent_ != nullptr) {
        parent_->children_.push_back(this);
    }
    form_.registerMenu(this);
}

void MenuItem::notify(Property p) {
    if (form_.isLoaded()) {
        form_.windowSystem().notifyMenu(*this, p);
    }
}

void MenuItem::setCaption(std::string caption) {
    caption_ = std::move(caption);
    notify(Property::Caption);
}

void MenuItem::setEnabled(bool e) {
    if (enabled_ == e) {
        return;
    }
    enabled_ = e;
    notify(Property::Enabled);
}

void MenuItem::setVisible(bool v) {
    visible_ = v;
    notify(Property::Visible);
}

bool MenuItem::effectivelyEnabled() const {
    for (const MenuItem* m = this; m != nullptr; m = m->parent_) {
        if (!m->enabled_ || !m->visible_) {
            return false;
        }
    }
    return true;
}

void MenuItem::setShortcutCtrl(char letter) {
    shortcut_ = letter;
    notify(Property::Shortcut);
}

} // namespace usina::forms
