#pragma once

#include "control.h"

namespace usina::forms {

// A caption on the form; also the frame-less texts that other windows read back.
class Label : public Control {
public:
    Label(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::Label, std::move(name), index) {
        setTabStop(false);
        setForeColor(colors::buttonText);
    }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);
    bool transparent() const { return transparent_; }
    void setTransparent(bool t) { transparent_ = t; }
    bool bordered() const { return bordered_; }
    void setBordered(bool b) { bordered_ = b; }

private:
    std::string caption_;
    Alignment alignment_ = Alignment::Left;
    bool transparent_ = true;
    bool bordered_ = false;
};

} // namespace usina::forms
