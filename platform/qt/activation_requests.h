#pragma once
// The activations the model asked the window system for and what the window system answered: tells an
// answer (perhaps a late one, on a busy machine) from a window the person chose.

#include <chrono>
#include <cstddef>
#include <vector>

namespace usina::qt {

class ActivationRequests {
public:
    using Clock = std::chrono::steady_clock;

    // While a request this young is unanswered, another window's activation is the window system's own
    // pick on the way (hiding a window activates another one first).
    static constexpr auto settling = std::chrono::milliseconds(500);
    // A window activated this long after the model asked for it still answers that request: a late
    // answer taken for the person's choice would hand the activation back and forth for ever.
    static constexpr auto answerHorizon = std::chrono::seconds(10);

    enum class Reading {
        answer,       // the window the model asked for
        systemPick,   // another window while a young request is still being carried out
        personChoice, // nothing the model asked for
    };

    void requested(const void* window, Clock::time_point at);
    // Qt activated `window` at `at`; an answer drops its oldest request and every request before it.
    Reading activated(const void* window, Clock::time_point at);
    // The window is gone: nothing it was asked for can be answered any more.
    void forget(const void* window);
    std::size_t pending() const { return requests_.size(); }

private:
    struct Request {
        const void* window;
        Clock::time_point at;
    };
    std::vector<Request> requests_;
};

} // namespace usina::qt
