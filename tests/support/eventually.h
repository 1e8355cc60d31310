#pragma once
// Waiting in a test for something another process does: the condition is looked at every few
// milliseconds until it holds or a generous bound runs out.

#include <chrono>
#include <functional>
#include <thread>

namespace usina::test {

inline bool eventually(const std::function<bool()>& condition,
                       std::chrono::milliseconds bound = std::chrono::seconds(10)) {
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

} // namespace usina::test
