// A combo box. A press gives the model the focus first (its GotFocus may refill the list), then the
// model opens the list, as F4 and Alt+Down do; the popup shows the list as it is now and a choice in it
// goes to the model. The release of that press leaves the list open, unless the pointer was dragged
// onto an item, which it chooses: a click opens the list and a second click chooses. The keys go to
// the model also while the popup is open; the wheel and the keys never change the choice by
// themselves. When Qt closes the popup (a press outside it), the model's list closes too.

#include "platform/forms/list_control.h"
#include "platform/forms/window_system.h"
#include "platform/qt/control_adapter.h"
#include "platform/qt/control_adapters.h"
#include "platform/qt/form_window.h"
#include "platform/qt/item_list_update.h"
#include "platform/qt/key_forwarding.h"
#include "platform/qt/line_edit_link.h"
#include "platform/qt/text_positions.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <functional>
#include <optional>
#include <utility>

namespace usina::qt {

namespace {

bool isPlainEnter(const QEvent& event) {
    if (event.type() != QEvent::KeyPress) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(event);
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

class ModelComboBox : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> onPopupHidden;

    void hidePopup() override {
        QComboBox::hidePopup();
        if (onPopupHidden) {
            onPopupHidden();
        }
    }
};

class ComboBoxAdapter : public ControlAdapter {
public:
    ComboBoxAdapter(FormWindow& window, forms::ComboBox& combo)
        : ControlAdapter(window, combo), combo_(new ModelComboBox(window.clientArea())) {
        combo_->setEditable(combo.style() == forms::ComboBox::Style::DropDownCombo);
        combo_->setInsertPolicy(QComboBox::NoInsert);
        adopt(combo_);
        if (QLineEdit* edit = combo_->lineEdit()) {
            combo_->setCompleter(nullptr);
            // The combo takes the end of an edit (the focus going to its own popup) for a choice of
            // the item whose text the box holds; only the model chooses.
            QObject::disconnect(edit, &QLineEdit::editingFinished, nullptr, nullptr);
            QObject::disconnect(edit, &QLineEdit::returnPressed, nullptr, nullptr);
            watch(edit);
            link_ = new LineEditLink(
                *edit, [this] { return model(); }, false);
        }
        connect(combo_, &QComboBox::activated, this, [this](int index) { chosenByPerson(index); });
        combo_->onPopupHidden = [this] {
            openingPress_.reset();
            if (forms::ComboBox* c = model()) {
                c->setDroppedDown(false);
            }
        };
        list_ = combo_->view();
        list_->installEventFilter(this);
        // Ahead of the popup's own filter on its items, which would close the list at the release
        // of the press that opened it.
        items_ = list_->viewport();
        items_->installEventFilter(this);
        popup_ = list_->window();
        popup_->installEventFilter(this);
        withoutScrollBarMenus(*list_);
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
        case forms::Property::DropDown:
            showDropDown();
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

    bool eventFilter(QObject* watched, QEvent* event) override {
        // Compared by address: the popup's events keep coming while the combo is destroyed.
        if ((watched == popup_ || watched == items_) && isPopupClick(*event)) {
            return model() != nullptr && popupMouseInput(watched, static_cast<QMouseEvent&>(*event));
        }
        if (watched == list_) {
            forms::ComboBox* combo = model();
            if (combo == nullptr) {
                return false;
            }
            // Enter on an item the mouse pointed at in the open list chooses it; every other key of
            // the open list is the model's, as the closed box's are.
            const int pointed = list_->currentIndex().row();
            if (isPlainEnter(*event) && pointed >= 0 && pointed != combo->listIndex()) {
                chosenByPerson(pointed);
                return true;
            }
            return forwardKeyEvent(combo->windowSystem(), combo->form(), *event);
        }
        return ControlAdapter::eventFilter(watched, event);
    }

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
        combo->setDroppedDown(true);
        if (list_->isVisible()) {
            openingPress_ = event.globalPosition().toPoint();
        }
        return true;
    }

private:
    forms::ComboBox* model() const { return static_cast<forms::ComboBox*>(control()); }

    static bool isPopupClick(const QEvent& event) {
        return event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonRelease;
    }

    // True uses the event up. Only the release of the opening press is ours; every later click in
    // the popup is Qt's, which chooses the item clicked or closes the list.
    bool popupMouseInput(QObject* watched, QMouseEvent& event) {
        const std::optional<QPoint> pressedAt = std::exchange(openingPress_, std::nullopt);
        if (event.type() != QEvent::MouseButtonRelease || !pressedAt) {
            return false;
        }
        const QPoint releasedAt = event.globalPosition().toPoint();
        const bool dragged = (releasedAt - *pressedAt).manhattanLength() >= QApplication::startDragDistance();
        const QModelIndex item = list_->indexAt(event.position().toPoint());
        if (dragged && watched == items_ && item.isValid()) {
            chosenByPerson(item.row());
        }
        return true;
    }

    void showItems() {
        catchUpItems(*combo_, model()->items());
        // Qt picks the first item of a list that gets one; the model has not.
        showChoice();
    }

    void showDropDown() {
        const bool open = model()->droppedDown();
        if (open && !list_->isVisible() && combo_->isVisible()) {
            combo_->showPopup();
        } else if (!open && list_->isVisible()) {
            combo_->hidePopup();
        }
    }

    void showChoice() {
        const forms::ComboBox& combo = *model();
        if (combo_->currentIndex() != combo.listIndex()) {
            combo_->setCurrentIndex(combo.listIndex());
        }
        if (list_->isVisible()) {
            list_->setCurrentIndex(combo_->model()->index(combo.listIndex(), 0));
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

    ModelComboBox* combo_;
    // The popup's list, the widget that shows its items, and the popup's window.
    QAbstractItemView* list_ = nullptr;
    QWidget* items_ = nullptr;
    QWidget* popup_ = nullptr;
    // Where the press that opened the list was, while it is held.
    std::optional<QPoint> openingPress_;
    LineEditLink* link_ = nullptr;
};

} // namespace

ControlAdapter* makeComboBoxAdapter(FormWindow& window, forms::Control& control) {
    return new ComboBoxAdapter(window, static_cast<forms::ComboBox&>(control));
}

} // namespace usina::qt
