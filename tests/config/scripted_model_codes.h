#pragma once
// The link to the simulated controller, with the answers to reads of the model code register given in
// turn by the test: a controller whose answer changes from one read to the next.

#include "platform/serial/byte_link.h"

#include <cstdint>
#include <deque>
#include <optional>

namespace usina::test {

class ScriptedModelCodes : public serial::ByteLink {
public:
    explicit ScriptedModelCodes(serial::ByteLink& controller) : controller_(controller) {}

    // The next reads of register 0 answer these, one each; then the controller's own code again.
    void answerInTurn(std::initializer_list<std::uint8_t> codes) { script_.insert(script_.end(), codes); }

    void open() override { controller_.open(); }
    void close() override { controller_.close(); }
    bool isOpen() const override { return controller_.isOpen(); }
    void discardInput() override { controller_.discardInput(); }
    void send(std::span<const std::uint8_t> bytes) override {
        controller_.send(bytes);
        const bool readsModelCode = bytes.size() == 3 && bytes[0] == 'R' && bytes[2] == 0;
        if (readsModelCode && !script_.empty()) {
            nextAnswer_ = script_.front();
            script_.pop_front();
        }
    }
    bool sendBeforeClosing(std::span<const std::uint8_t> bytes,
                           std::chrono::steady_clock::time_point deadline) override {
        return controller_.sendBeforeClosing(bytes, deadline);
    }
    bool waitReadable(std::chrono::microseconds timeout) override {
        return controller_.waitReadable(timeout);
    }
    std::vector<std::uint8_t> readAvailable() override {
        std::vector<std::uint8_t> bytes = controller_.readAvailable();
        if (nextAnswer_ && !bytes.empty()) {
            bytes.front() = *nextAnswer_;
            nextAnswer_.reset();
        }
        return bytes;
    }
    std::optional<std::string> takeFault() override { return controller_.takeFault(); }

private:
    serial::ByteLink& controller_;
    std::deque<std::uint8_t> script_;
    std::optional<std::uint8_t> nextAnswer_;
};

} // namespace usina::test
