#pragma once
// What the simulated controller does with each frame it receives: a write sets the register, a read is
// answered from the plant model, with the faults of a misbehaving controller when they are asked for.
// Shared by the in-process link and the plantsim program so both answer alike.

#include "tools/plantsim/frame_decoder.h"
#include "tools/plantsim/plant_model.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace usina::plantsim {

// One answer lost on the line: the read-th read (from 1) of the register gets none.
struct DroppedAnswer {
    std::uint8_t address = 0;
    int read = 1;
};

struct AnswerFaults {
    bool silent = false;                          // never answers a read
    bool doubleAnswer = false;                    // sends every answer twice
    int strayBytes = 0;                           // bytes of noise sent after the request, before the answer
    std::optional<DroppedAnswer> droppedAnswer{}; // its reads counted from when the faults are set
};

// The value of each stray byte, chosen to stand out in a log and in a test.
constexpr std::uint8_t strayByte = 0xEE;

class ControllerResponder {
public:
    explicit ControllerResponder(PlantModel& model, AnswerFaults faults = {});

    // Applies the frame at model time `seconds` and returns the bytes sent back, in order.
    std::vector<std::uint8_t> respond(const Frame& frame, double seconds);

    void setFaults(AnswerFaults faults);

private:
    bool dropsThisAnswer(const Frame& read);

    PlantModel& model_;
    AnswerFaults faults_;
    int readsOfDroppedAddress_ = 0;
};

} // namespace usina::plantsim
