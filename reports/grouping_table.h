#pragma once
// A grouped report's table of 101 slots, 0 to 100: each slot a group (a mix, a plate) and its figures
// as the report shows them. Slots are taken from 0 upwards and keep what they hold from one build to
// the next, until the table is emptied.

#include <string>
#include <vector>

namespace usina {

class GroupingTable {
public:
    static constexpr int slotCount = 101;

    struct Slot {
        // A group whose name is empty (a Null mix) still holds its slot.
        bool occupied = false;
        std::string key;
        std::vector<std::string> figures;
    };

    explicit GroupingTable(std::size_t figureCount);

    const Slot& operator[](int slot) const;
    std::size_t figureCount() const { return figureCount_; }
    bool isEmpty() const;
    void clear();
    // The group's figures go into the slot that holds its key (letter case counts), else into the first
    // free slot. False when every slot holds another group: this one is left out.
    bool put(const std::string& key, std::vector<std::string> figures);

private:
    std::size_t figureCount_;
    std::vector<Slot> slots_;
};

} // namespace usina
