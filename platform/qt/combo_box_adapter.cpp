// A combo box. A press gives the model the focus first (its GotFocus may refill the list), then the
// popup opens on the list as it is now; a choice in the popup goes to the model. The wheel and the
// keys never change the choice by themselves.

#include "platform/forms/list_control.h"
#include "platform/forms/window_system.h"
#include "platform/qt/control_adapter.h"
#include "platform/qt/control_adapters.h"
#include "platform/qt/form_window.h"
#include "platform/qt/item_list_update.h"
#include "platform/qt/line_edit_link.h"
#include "platform/qt/text_positions.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>

namespace usina::qt {

namespace {

class ComboBoxAdapter : public ControlAdapter {
public:
    ComboBoxAdapter(FormWindow& window, forms::ComboBox& combo)
        : ControlAdapter(window, combo), combo_(new QComboBox(window.clientArea())) {
        combo_->setEditable(combo.style() == forms::ComboBox::Style::DropDownCombo);
        combo_->setInsertPolicy(QComboBox::NoInsert);
        adopt(combo_);
        if (QLineEdit* edit = combo_->lineEdit()) {
            combo_->setCompleter(nullptr);
            watch(edit);
            link_ = new LineEditLink(
                *edit, [this] { return model(); }, false);
        }
        connect(combo_, &QComboBox::activated, this, [this](int index) { chosenByPerson(index); });
    }

    void apply(forms::Property property) override {
        if (model() == nullptr) {
            return;
        }
        switch (property) {
        case forms::Property::Items:
            showItems();
            break;
        case forms::Property::ListIndex:
        case forms::Property::Text:
            showChoice();
            break;
        case forms::Property::Selection:
            if (link_ != nullptr) {
                link_->showSelection();
            }
            break;
        default:
            ControlAdapter::apply(property);
        }
    }

    void focusArrived() override {
        if (link_ != nullptr) {
            link_->showSelection();
        }
    }

protected:
    ColorRoles colorRoles() const override { return {QPalette::Base, QPalette::Text}; }
    bool consumesWheel() const override { return true; }

    bool mouseInput(QObject* watched, QMouseEvent& event) override {
        if (link_ != nullptr && watched == combo_->lineEdit()) {
            return link_->mouseInput(event);
        }
        if (event.type() != QEvent::MouseButtonPress || event.button() != Qt::LeftButton) {
            return true;
        }
        forms::ComboBox* combo = model();
        if (!combo->hasFocus()) {
            combo->windowSystem().focusByPerson(*combo);
            combo = model();
            if (combo == nullptr || !combo->hasFocus()) {
                return true;
            }
        }
        combo_->showPopup();
        return true;
    }

private:
    forms::ComboBox* model() const { return static_cast<forms::ComboBox*>(control()); }

    void showItems() {
        catchUpItems(*combo_, model()->items());
        // Qt picks the first item of a list that gets one; the model has not.
        showChoice();
    }

    void showChoice() {
        const forms::ComboBox& combo = *model();
        if (combo_->currentIndex() != combo.listIndex()) {
            combo_->setCurrentIndex(combo.listIndex());
        }
        if (link_ != nullptr) {
            link_->showText();
        } else {
            combo_->setPlaceholderText(combo.listIndex() < 0 ? toQString(combo.text()) : QString());
        }
    }

    void chosenByPerson(int index) {
        if (forms::ComboBox* combo = model()) {
            combo->windowSystem().choose(*combo, index);
        }
        // The popup showed the person's choice; the model may have made another (or none).
        if (model() != nullptr) {
            showChoice();
        }
    }

    QComboBox* combo_;
    LineEditLink* link_ = nullptr;
};

} // namespace

ControlAdapter* makeComboBoxAdapter(FormWindow& window, forms::Control& control) {
    return new ComboBoxAdapter(window, static_cast<forms::ComboBox&>(control));
}

} // namespace usina::qt
