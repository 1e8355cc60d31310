#pragma once
// The plantsim program run as a child process on a link path, for tests and benchmarks of the real
// serial path. The constructor returns once plantsim has put its link in place.

#include <string>
#include <sys/types.h>
#include <vector>

namespace usina::plantsim {

class PlantsimProcess {
public:
    // Runs `executable --link linkPath arguments...`; throws std::runtime_error when it does not report
    // ready within a few seconds.
    PlantsimProcess(const std::string& executable, const std::string& linkPath,
                    const std::vector<std::string>& arguments = {});
    ~PlantsimProcess();
    PlantsimProcess(const PlantsimProcess&) = delete;
    PlantsimProcess& operator=(const PlantsimProcess&) = delete;

    // Asks it to end (SIGTERM) and waits; returns its exit status, or -1 when a signal ended it.
    int stop();
    // Ends it at once (SIGKILL), as when the line vanishes: its link is left behind, stale.
    void kill();

    bool running() const { return pid_ > 0; }
    // Processor time it has used so far (user and system).
    double cpuSeconds() const;
    // Whether it sleeps in a wait at this moment (rather than running or ready to run).
    bool asleep() const;
    const std::string& slavePath() const { return slavePath_; }

private:
    int waitForExit();
    std::vector<std::string> statFields() const;

    pid_t pid_ = -1;
    int output_ = -1;
    std::string slavePath_;
};

} // namespace usina::plantsim
