#pragma once
// The controller link over the real serial path: SerialPort on the plantsim program's pseudo-terminal,
// paced like the 4800-baud line unless a test says otherwise. plantsim logs every frame it receives.

#include "plant/link/controller_link.h"
#include "platform/serial/serial_port.h"
#include "tests/support/eventually.h"
#include "tests/support/temporary_folder.h"
#include "tools/plantsim/launcher/plantsim_process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace usina::test {

inline double monotonicSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

class ControllerLinkOnPty : public ::testing::Test {
protected:
    // Runs plantsim on the link path, logging to `logName` in the test's folder, and opens the link.
    void startPlantsim(std::vector<std::string> arguments, const std::string& logName = "plantsim.log") {
        arguments.insert(arguments.end(), {"--log", (folder.path() / logName).string()});
        plantsim = std::make_unique<plantsim::PlantsimProcess>(PLANTSIM_EXECUTABLE, linkPath, arguments);
        link.open();
        ASSERT_TRUE(link.isOpen()) << link.takeFault().value_or("");
    }

    std::string log(const std::string& logName = "plantsim.log") const {
        std::ifstream file(folder.path() / logName);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    // plantsim logs a frame once it has had the wire time to arrive.
    bool logGetsLine(const std::string& line, const std::string& logName = "plantsim.log") const {
        return eventually([&] { return log(logName).find(line + "\n") != std::string::npos; });
    }

    TemporaryFolder folder;
    std::string linkPath = (folder.path() / "ttyPLANT").string();
    std::unique_ptr<plantsim::PlantsimProcess> plantsim;
    serial::SerialPort port{linkPath};
    ControllerLink link{port, monotonicSeconds};
};

} // namespace usina::test
