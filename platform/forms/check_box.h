#pragma once

#include "control.h"

namespace usina::forms {

// Value 0 unticked, 1 ticked, 2 greyed. A change of value raises Click, by the person or by code.
class CheckBox : public Control {
public:
    CheckBox(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::CheckBox, std::move(name), index) {}
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    int value() const { return value_; }
    void setValue(int value);

private:
    std::string caption_;
    int value_ = 0;
};

// One choice of a group of a container: setting it true clears its siblings. Raises Click when set.
class OptionButton : public Control {
public:
    OptionButton(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::OptionButton, std::move(name), index) {}
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool value() const { return value_; }
    void setValue(bool value);

private:
    std::string caption_;
    bool value_ = false;
};

} // namespace usina::forms
