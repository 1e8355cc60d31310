#pragma once
// The plant controller in process, behind the byte link the controller link talks to: frames sent are
// answered at once from a plant model on the caller's time source. A wait without input calls onIdleWait
// with the time asked for (a test advances its virtual clock there) and then finds no input. Like a port,
// it starts closed: sends are dropped and waits fail at once until open().

#include "platform/serial/byte_link.h"
#include "tools/plantsim/controller_responder.h"
#include "tools/plantsim/frame_decoder.h"
#include "tools/plantsim/plant_model.h"

#include <functional>
#include <vector>

namespace usina::plantsim {

class SimulatedLink : public serial::ByteLink {
public:
    SimulatedLink(PlantModel& model, std::function<double()> modelSeconds, AnswerFaults faults = {});

    void open() override { open_ = true; }
    void close() override;
    bool isOpen() const override { return open_; }

    void discardInput() override { input_.clear(); }
    void send(std::span<const std::uint8_t> bytes) override;
    bool sendBeforeClosing(std::span<const std::uint8_t> bytes,
                           std::chrono::steady_clock::time_point) override;
    bool waitReadable(std::chrono::microseconds timeout) override;
    std::vector<std::uint8_t> readAvailable() override;
    std::optional<std::string> takeFault() override { return std::nullopt; }

    void setFaults(AnswerFaults faults) { responder_.setFaults(faults); }
    // Bytes the controller sends unasked, as if they arrived on the line now.
    void injectInput(std::span<const std::uint8_t> bytes);
    // Every frame the controller received, in order.
    const std::vector<Frame>& frames() const { return frames_; }

    std::function<void(std::chrono::microseconds)> onIdleWait;

private:
    ControllerResponder responder_;
    FrameDecoder decoder_;
    std::function<double()> modelSeconds_;
    std::vector<std::uint8_t> input_;
    std::vector<Frame> frames_;
    bool open_ = false;
};

} // namespace usina::plantsim
