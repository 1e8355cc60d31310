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

} // namespace usina::qt
