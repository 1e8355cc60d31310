// Command buttons, check boxes and option buttons: Qt shows the press, the model decides what a click
// does (a check box or an option never ticks itself). The access key of a caption is underlined, but
// Alt with it goes to the model like any key, not to a shortcut of Qt's own.

#include "platform/forms/check_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/window_system.h"
#include "platform/qt/control_adapter.h"
#include "platform/qt/control_adapters.h"
#include "platform/qt/form_window.h"
#include "platform/qt/text_positions.h"

#include <QCheckBox>
#include <QKeySequence>
#include <QPushButton>
#include <QRadioButton>

namespace usina::qt {

namespace {

// A toggle whose state only the model sets; the whole of its place takes the click, as it did.
template <class QtButton> class ModelToggle : public QtButton {
public:
    using QtButton::QtButton;

protected:
    void nextCheckState() override {}
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

template <class Control, class QtButton> class ButtonAdapter : public ControlAdapter {
public:
    ButtonAdapter(FormWindow& window, Control& control, QtButton* button)
        : ControlAdapter(window, control), button_(button) {
        adopt(button_);
        connect(button_, &QAbstractButton::clicked, this, [this] {
            if (Control* c = model()) {
                c->windowSystem().click(*c);
            }
        });
    }

    void apply(forms::Property property) override {
        const Control* c = model();
        if (c == nullptr) {
            return;
        }
        switch (property) {
        case forms::Property::Caption:
            button_->setText(toQString(c->caption()));
            button_->setShortcut(QKeySequence());
            break;
        case forms::Property::Value:
            showValue(*c);
            break;
        default:
            ControlAdapter::apply(property);
        }
    }

protected:
    Control* model() const { return static_cast<Control*>(control()); }
    virtual void showValue(const Control&) {}
    QtButton* button_;
};

class CommandButtonAdapter : public ButtonAdapter<forms::CommandButton, QPushButton> {
public:
    CommandButtonAdapter(FormWindow& window, forms::CommandButton& button)
        : ButtonAdapter(window, button, new QPushButton(window.clientArea())) {
        button_->setAutoDefault(false);
        button_->setDefault(button.isDefault());
    }

protected:
    ColorRoles colorRoles() const override { return {QPalette::Button, QPalette::ButtonText}; }
};

class CheckBoxAdapter : public ButtonAdapter<forms::CheckBox, ModelToggle<QCheckBox>> {
public:
    CheckBoxAdapter(FormWindow& window, forms::CheckBox& box)
        : ButtonAdapter(window, box, new ModelToggle<QCheckBox>(window.clientArea())) {
        button_->setTristate(true);
    }

protected:
    void showValue(const forms::CheckBox& box) override {
        static constexpr Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
        button_->setCheckState(box.value() >= 0 && box.value() <= 2 ? states[box.value()] : Qt::Unchecked);
    }
    bool fillsBackground() const override { return true; }
};

class OptionButtonAdapter : public ButtonAdapter<forms::OptionButton, ModelToggle<QRadioButton>> {
public:
    OptionButtonAdapter(FormWindow& window, forms::OptionButton& option)
        : ButtonAdapter(window, option, new ModelToggle<QRadioButton>(window.clientArea())) {
        button_->setAutoExclusive(false);
    }

protected:
    void showValue(const forms::OptionButton& option) override { button_->setChecked(option.value()); }
    bool fillsBackground() const override { return true; }
};

} // namespace

ControlAdapter* makeCommandButtonAdapter(FormWindow& window, forms::Control& control) {
    return new CommandButtonAdapter(window, static_cast<forms::CommandButton&>(control));
}

ControlAdapter* makeCheckBoxAdapter(FormWindow& window, forms::Control& control) {
    return new CheckBoxAdapter(window, static_cast<forms::CheckBox&>(control));
}

ControlAdapter* makeOptionButtonAdapter(FormWindow& window, forms::Control& control) {
    return new OptionButtonAdapter(window, static_cast<forms::OptionButton&>(control));
}

} // namespace usina::qt
