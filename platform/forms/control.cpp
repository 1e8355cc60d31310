#include "control.h"

#include "form.h"
#include "window_system.h"

namespace usina::forms {

Control::Control(Form& form, ControlKind kind, std::string name, int index)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index) {
    form_.registerControl(this);
}

Control::~Control() {
    windowSystem().controlDestroyed(*this);
    form_.unregisterControl(this);
}

std::string Control::qualifiedName() const {
    return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

WindowSystem& Control::windowSystem() const {
    return form_.windowSystem();
}

void Control::setContainer(Control& frame) {
    container_ = &frame;
    notify(Property::Geometry);
}

void Control::setGeometry(int left, int top, int width, int height) {
    geometry_ = Rect{left, top, width, height};
    notify(Property::Geometry);
}

void Control::setVisible(bool visible) {
    if (visible_ == visible) {
        return;
    }
    visible_ = visible;
    notify(Property::Visible);
}

void Control::setEnabled(bool enabled) {
    if (enabled_ == enabled) {
        return;
    }
    enabled_ = enabled;
    notify(Property::Enabled);
}

bool Control::effectivelyVisible() const {
    for (const Control* c = this; c != nullptr; c = c->container_) {
        if (!c->visible_) {
            return false;
        }
    }
    return true;
}

bool Control::effectivelyEnabled() const {
    for (const Control* c = this; c != nullptr; c = c->container_) {
        if (!c->enabled_) {
            return false;
        }
    }
    return form_.enabled();
}

void Control::setBackColor(Color c) {
    backColor_ = c;
    notify(Property::BackColor);
}

void Control::setForeColor(Color c) {
    foreColor_ = c;
    notify(Property::ForeColor);
}

void Control::setFont(Font f) {
    font_ = std::move(f);
    notify(Property::Font);
}

int Control::tabIndex() const {
    return form_.tabIndexOf(this);
}

void Control::setTabIndex(int i) {
    form_.moveInTabOrder(this, i);
}

bool Control::hasTabIndex() const {
    switch (kind_) {
    case ControlKind::Timer:
    case ControlKind::Shape:
    case ControlKind::Line:
    case ControlKind::Image:
        return false;
    default:
        return true;
    }
}

bool Control::isFocusableKind() const {
    switch (kind_) {
    case ControlKind::TextBox:
    case ControlKind::CommandButton:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::ScrollBar:
    case ControlKind::MaskedBox:
        return true;
    default:
        return false;
    }
}

bool Control::canTakeFocus() const {
    return isFocusableKind() && form_.isLoaded() && form_.visible() && effectivelyVisible() &&
           effectivelyEnabled() && windowSystem().acceptsInput(form_);
}

bool Control::hasFocus() const {
    return windowSystem().focused() == this;
}

bool Control::SetFocus() {
    return windowSystem().setFocus(*this);
}

void Control::raise(const std::function<void()>& handler, const char* eventName) {
    if (!handler) {
        return;
    }
    windowSystem().raise(form_.name(), name_ + "_" + eventName, handler);
}

void Control::notify(Property p) {
    if (form_.isLoaded()) {
        windowSystem().notifyControl(*this, p);
    }
}

} // namespace usina::forms
