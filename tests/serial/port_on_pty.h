#pragma once
// SerialPort on a real pseudo-terminal: the plantsim program at the other end, run as a child process.

#include "platform/serial/serial_port.h"
#include "tests/support/temporary_folder.h"
#include "tools/plantsim/launcher/plantsim_process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace usina::serial {

inline const std::vector<std::uint8_t> readModelCode{'R', 0x00, 0};

class SerialPortOnPty : public ::testing::Test {
protected:
    std::unique_ptr<plantsim::PlantsimProcess> startPlantsim(std::vector<std::string> arguments = {
                                                                 "--no-pace"}) {
        return std::make_unique<plantsim::PlantsimProcess>(PLANTSIM_EXECUTABLE, linkPath, arguments);
    }

    // Sends a read of the model code and returns the answer, or nullopt when none comes within `wait`.
    static std::optional<std::uint8_t> exchange(SerialPort& port,
                                                std::chrono::microseconds wait = std::chrono::seconds(2)) {
        port.discardInput();
        port.send(readModelCode);
        if (!port.waitReadable(wait)) {
            return std::nullopt;
        }
        const auto received = port.readAvailable();
        return received.empty() ? std::nullopt : std::optional(received.front());
    }

    test::TemporaryFolder folder;
    std::string linkPath = (folder.path() / "ttyPLANT").string();
};

} // namespace usina::serial
