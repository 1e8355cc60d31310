#pragma once
// A menu item of a window's menu bar: caption with its "&" accelerator, shortcut, enabled state,
// sub-items; Click when chosen.

#include "property.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace usina::forms {

class Form;

class MenuItem {
public:
    MenuItem(Form& form, std::string name, std::string caption, MenuItem* parent = nullptr);
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& name() const { return name_; }
    Form& form() const { return form_; }
    MenuItem* parent() const { return parent_; }
    const std::vector<MenuItem*>& children() const { return children_; }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    bool visible() const { return visible_; }
    void setVisible(bool v);
    // Enabled here and in every parent: it can be chosen.
    bool effectivelyEnabled() const;

    // Ctrl + a letter, e.g. 'T' for Ctrl+T; 0 = no shortcut.
    char shortcutLetter() const { return shortcut_; }
    void setShortcutCtrl(char letter);

    std::function<void()> Click;

private:
    void notify(Property p);
    Form& form_;
    std::string name_;
    std::string caption_;
    MenuItem* parent_;
    std::vector<MenuItem*> children_;
    bool enabled_ = true;
    bool visible_ = true;
    char shortcut_ = 0;
};

} // namespace usina::forms
