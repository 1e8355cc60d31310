#pragma once

#include "control.h"

namespace usina::forms {

// A captioned group box; controls placed in it use it as their container.
class Frame : public Control {
public:
    Frame(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::Frame, std::move(name), index) {
        setTabStop(false);
    }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

private:
    std::string caption_;
};

} // namespace usina::forms
