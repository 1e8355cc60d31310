#pragma once
// How a widget's item list catches up with the model's: the model only adds items at the end or
// clears them all, so the items past what the widget shows are new, unless it shows more.

#include <QStringList>

#include <string>
#include <vector>

namespace usina::qt {

struct ItemListUpdate {
    bool clearFirst = false;
    QStringList append;
};

ItemListUpdate itemListUpdate(int shownCount, const std::vector<std::string>& items);

// Brings a combo box's or list widget's items up to the model's.
template <class ItemWidget> void catchUpItems(ItemWidget& widget, const std::vector<std::string>& items) {
    const ItemListUpdate update = itemListUpdate(widget.count(), items);
    if (update.clearFirst) {
        widget.clear();
    }
    widget.addItems(update.append);
}

} // namespace usina::qt
