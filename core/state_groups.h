#pragma once
// The module's state of one run, one group per theme, each group declared in its theme's folder. A
// group is made on first use and lives until its owner ends; groups end in the reverse order of their
// making, so a group that used another while it was made ends before it.

#include <memory>
#include <stdexcept>
#include <typeindex>
#include <unordered_map>
#include <utility>
#include <vector>

namespace usina {

class StateGroups {
public:
    StateGroups() = default;
    ~StateGroups() {
        while (!made_.empty()) {
            made_.pop_back();
        }
    }
    StateGroups(const StateGroups&) = delete;
    StateGroups& operator=(const StateGroups&) = delete;

    // The group of type G, made from `args` when it does not exist yet.
    template <class G, class... Args> G& get(Args&&... args) {
        const std::type_index type(typeid(G));
        if (auto found = index_.find(type); found != index_.end()) {
            if (found->second == nullptr) {
                throw std::logic_error("a state group uses itself while it is made");
            }
            return static_cast<Held<G>*>(found->second)->value;
        }
        index_[type] = nullptr;
        std::unique_ptr<Held<G>> held;
        try {
            held = std::make_unique<Held<G>>(std::forward<Args>(args)...);
        } catch (...) {
            index_.erase(type);
            throw;
        }
        G& group = held->value;
        index_[type] = held.get();
        made_.push_back(std::move(held));
        return group;
    }

private:
    struct Group {
        virtual ~Group() = default;
    };
    template <class G> struct Held final : Group {
        template <class... Args> explicit Held(Args&&... args) : value(std::forward<Args>(args)...) {}
        G value;
    };

    std::unordered_map<std::type_index, Group*> index_;
    std::vector<std::unique_ptr<Group>> made_;
};

} // namespace usina
