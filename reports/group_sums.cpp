#include "reports/group_sums.h"

#include "reports/name_order.h"

#include <algorithm>

namespace usina {

void GroupSums::add(const std::string& key, const double* figures) {
    if (current_ >= groups_.size() || groups_[current_].key != key) {
        const auto [found, added] = byKey_.try_emplace(key, groups_.size());
        if (added) {
            groups_.push_back(Group{key, std::vector<double>(figureCount_, 0.0)});
        }
        current_ = found->second;
    }
    std::vector<double>& sums = groups_[current_].sums;
    for (std::size_t i = 0; i < figureCount_; ++i) {
        sums[i] += figures[i];
    }
}

std::vector<GroupSums::Group> GroupSums::inNameOrder() const {
    std::vector<Group> ordered = groups_;
    std::sort(ordered.begin(), ordered.end(),
              [](const Group& a, const Group& b) { return comesBeforeInNameOrder(a.key, b.key); });
    return ordered;
}

} // namespace usina
