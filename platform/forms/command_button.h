#pragma once

#include "control.h"

namespace usina::forms {

class CommandButton : public Control {
public:
    CommandButton(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::CommandButton, std::move(name), index) {}
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    // Enter on the form clicks the default button without moving the focus.
    bool isDefault() const { return default_; }
    void setDefault(bool d) { default_ = d; }

private:
    std::string caption_;
    bool default_ = false;
};

} // namespace usina::forms
