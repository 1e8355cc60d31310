// plantsim: the plant controller on a pseudo-terminal, for running and testing the station without a
// plant. Prints "plantsim ready: LINK -> SLAVE" once the link is in place; ends on SIGTERM or SIGINT.

#include "tools/plantsim/cli/controller_server.h"
#include "tools/plantsim/cli/frame_log.h"
#include "tools/plantsim/cli/plantsim_options.h"
#include "tools/plantsim/cli/pseudo_terminal.h"
#include "tools/plantsim/controller_responder.h"
#include "tools/plantsim/plant_model.h"

#include <csignal>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {

// The stop signals arrive on a descriptor the server polls, so a stop never interrupts a half-done step.
int stopSignalFd() {
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGTERM);
    sigaddset(&stop, SIGINT);
    if (::sigprocmask(SIG_BLOCK, &stop, nullptr) != 0) {
        throw std::runtime_error("sigprocmask failed");
    }
    const int fd = ::signalfd(-1, &stop, SFD_CLOEXEC);
    if (fd < 0) {
        throw std::runtime_error("signalfd failed");
    }
    return fd;
}

} // namespace

int main(int argc, char** argv) {
    using namespace usina::plantsim;
    PlantsimOptions options;
    try {
        options = parsePlantsimOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "plantsim: %s\n%s", error.what(), plantsimUsage);
        return 2;
    }
    try {
        std::signal(SIGPIPE, SIG_IGN);
        // Wakes close to each byte's deadline rather than up to the default 50 us late.
        ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
        const int stopFd = stopSignalFd();
        PlantModel model(options.model);
        ControllerResponder responder(model, options.faults);
        FrameLog log(options.logPath);
        PseudoTerminal terminal;
        LinkPath link(options.linkPath, terminal.slavePath());
        std::printf("plantsim ready: %s -> %s\n", options.linkPath.c_str(), terminal.slavePath().c_str());
        std::fflush(stdout);
        ControllerServer(terminal.masterFd(), responder, log, options.pace).run(stopFd);
        ::close(stopFd);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "plantsim: %s\n", error.what());
        return 1;
    }
    return 0;
}
