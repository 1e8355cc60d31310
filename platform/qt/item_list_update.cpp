#include "platform/qt/item_list_update.h"

#include "platform/qt/text_positions.h"

namespace usina::qt {

ItemListUpdate itemListUpdate(int shownCount, const std::vector<std::string>& items) {
    ItemListUpdate update;
    std::size_t from = static_cast<std::size_t>(shownCount);
    if (from > items.size()) {
        update.clearFirst = true;
        from = 0;
    }
    for (std::size_t i = from; i < items.size(); ++i) {
        update.append.push_back(toQString(items[i]));
    }
    return update;
}

} // namespace usina::qt
