// Captions and values of the simple kinds: labels, frames, buttons, check boxes, option buttons,
// pictures.

#include "check_box.h"
#include "command_button.h"
#include "decoration.h"
#include "form.h"
#include "frame.h"
#include "label.h"

namespace usina::forms {

void Label::setCaption(std::string caption) {
    if (caption_ == caption) {
        return;
    }
    caption_ = std::move(caption);
    notify(Property::Caption);
}

void Label::setAlignment(Alignment a) {
    alignment_ = a;
    notify(Property::Alignment);
}

void Frame::setCaption(std::string caption) {
    if (caption_ == caption) {
        return;
    }
    caption_ = std::move(caption);
    notify(Property::Caption);
}

void CommandButton::setCaption(std::string caption) {
    if (caption_ == caption) {
        return;
    }
    caption_ = std::move(caption);
    notify(Property::Caption);
}

void CheckBox::setCaption(std::string caption) {
    caption_ = std::move(caption);
    notify(Property::Caption);
}

void CheckBox::setValue(int value) {
    if (value_ == value) {
        return;
    }
    value_ = value;
    notify(Property::Value);
    raise(Click, "Click");
}

void OptionButton::setCaption(std::string caption) {
    caption_ = std::move(caption);
    notify(Property::Caption);
}

void OptionButton::setValue(bool value) {
    if (value_ == value) {
        return;
    }
    value_ = value;
    notify(Property::Value);
    if (!value) {
        return;
    }
    for (Control* c : form().controls()) {
        auto* sibling = dynamic_cast<OptionButton*>(c);
        if (sibling != nullptr && sibling != this && sibling->container() == container() && sibling->value_) {
            sibling->value_ = false;
            sibling->notify(Property::Value);
        }
    }
    raise(Click, "Click");
}

void Picture::setPicture(std::string name) {
    picture_ = std::move(name);
    notify(Property::Picture);
}

} // namespace usina::forms
