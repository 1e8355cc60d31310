// A list box. A press on an item is the person's choice and goes to the model; the list shows the
// model's index, never one it picked itself. Scrolling the view, also sideways where lines are wider
// than the box (a report's fixed-pitch lines), is only looking.

#include "platform/forms/list_control.h"
#include "platform/forms/window_system.h"
#include "platform/qt/control_adapter.h"
#include "platform/qt/control_adapters.h"
#include "platform/qt/form_window.h"
#include "platform/qt/item_list_update.h"

#include <QListWidget>
#include <QMouseEvent>

namespace usina::qt {

namespace {

class ListBoxAdapter : public ControlAdapter {
public:
    ListBoxAdapter(FormWindow& window, forms::ListBox& list)
        : ControlAdapter(window, list), list_(new QListWidget(window.clientArea())) {
        list_->setSelectionMode(QAbstractItemView::SingleSelection);
        list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        // Every line has the height of one line of the font: the view need not measure each item, which
        // keeps a report of many thousand lines as quick to show as one of a few.
        list_->setUniformItemSizes(true);
        adopt(list_);
        watch(list_->viewport());
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
            showChoice();
            break;
        default:
            ControlAdapter::apply(property);
        }
    }

protected:
    ColorRoles colorRoles() const override { return {QPalette::Base, QPalette::Text}; }

    bool mouseInput(QObject* watched, QMouseEvent& event) override {
        if (watched != list_->viewport() || event.button() != Qt::LeftButton) {
            return true;
        }
        forms::ListBox* list = model();
        forms::WindowSystem& ws = list->windowSystem();
        const int row = list_->indexAt(event.position().toPoint()).row();
        if (event.type() == QEvent::MouseButtonPress) {
            if (row >= 0) {
                ws.choose(*list, row);
            } else {
                ws.focusByPerson(*list);
            }
        } else if (event.type() == QEvent::MouseButtonDblClick && row >= 0) {
            ws.doubleClick(*list);
        }
        return true;
    }

private:
    forms::ListBox* model() const { return static_cast<forms::ListBox*>(control()); }

    void showItems() {
        catchUpItems(*list_, model()->items());
        showChoice();
    }

    void showChoice() {
        const int index = model()->listIndex();
        if (index < 0) {
            list_->setCurrentItem(nullptr);
            list_->clearSelection();
            return;
        }
        if (list_->currentRow() != index) {
            list_->setCurrentRow(index);
        }
        list_->scrollToItem(list_->item(index));
    }

    QListWidget* list_;
};

} // namespace

ControlAdapter* makeListBoxAdapter(FormWindow& window, forms::Control& control) {
    return new ListBoxAdapter(window, static_cast<forms::ListBox&>(control));
}

} // namespace usina::qt
