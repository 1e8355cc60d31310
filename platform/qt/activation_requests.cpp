#include "platform/qt/activation_requests.h"

#include <algorithm>

namespace usina::qt {

void ActivationRequests::requested(const void* window, Clock::time_point at) {
    requests_.push_back({window, at});
}

ActivationRequests::Reading ActivationRequests::activated(const void* window, Clock::time_point at) {
    std::erase_if(requests_, [&](const Request& r) { return at - r.at > answerHorizon; });
    // The oldest request for the window: the window system carries requests out in order, so a later
    // one for another window may still be on its way.
    const auto answered = std::find_if(requests_.begin(), requests_.end(),
                                       [&](const Request& r) { return r.window == window; });
    if (answered != requests_.end()) {
        requests_.erase(requests_.begin(), answered + 1);
        return Reading::answer;
    }
    const bool young = std::any_of(requests_.begin(), requests_.end(),
                                   [&](const Request& r) { return at - r.at <= settling; });
    return young ? Reading::systemPick : Reading::personChoice;
}

void ActivationRequests::forget(const void* window) {
    std::erase_if(requests_, [&](const Request& r) { return r.window == window; });
}

} // namespace usina::qt
