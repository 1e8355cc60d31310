#pragma once
// The sums of one build of a grouped report: the rows of the range, read in any order, add their
// figures to the group of their key. A group is one key exactly as stored (letter case counts), so a
// mix produced again after another keeps adding to its own total.

#include <string>
#include <unordered_map>
#include <vector>

namespace usina {

class GroupSums {
public:
    explicit GroupSums(std::size_t figureCount) : figureCount_(figureCount) {}

    struct Group {
        std::string key;
        std::vector<double> sums;
    };

    // Adds one row's figures (figureCount of them) to its group. The rows of one mix mostly come one
    // after another: such a run finds its group without a lookup.
    void add(const std::string& key, const double* figures);

    // The groups in name order (name_order.h).
    std::vector<Group> inNameOrder() const;

private:
    std::size_t figureCount_;
    std::vector<Group> groups_;
    std::unordered_map<std::string, std::size_t> byKey_;
    std::size_t current_ = static_cast<std::size_t>(-1);
};

} // namespace usina
