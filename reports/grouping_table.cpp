#include "reports/grouping_table.h"

#include <stdexcept>

namespace usina {

GroupingTable::GroupingTable(std::size_t figureCount)
    : figureCount_(figureCount), slots_(static_cast<std::size_t>(slotCount)) {}

const GroupingTable::Slot& GroupingTable::operator[](int slot) const {
    return slots_.at(static_cast<std::size_t>(slot));
}

bool GroupingTable::isEmpty() const {
    return !slots_.front().occupied;
}

void GroupingTable::clear() {
    for (Slot& slot : slots_) {
        slot = Slot{};
    }
}

bool GroupingTable::put(const std::string& key, std::vector<std::string> figures) {
    if (figures.size() != figureCount_) {
        throw std::logic_error("grouping table: wrong number of figures");
    }
    for (Slot& slot : slots_) {
        if (!slot.occupied) {
            slot = Slot{true, key, std::move(figures)};
            return true;
        }
        if (slot.key == key) {
            slot.figures = std::move(figures);
            return true;
        }
    }
    return false;
}

} // namespace usina
