#pragma once
// Everything of one run of the station: the module's state, the services (clock, window system,
// controller link, program folder) and the registry of its windows. No globals: a test builds a fresh
// Station on a temporary program folder.

#include "core/instance_lock.h"
#include "core/module1.h"
#include "plant/link/controller_link.h"
#include "platform/forms/clock.h"
#include "platform/forms/window_system.h"
#include "platform/serial/byte_link.h"

#include <filesystem>
#include <memory>
#include <string>

namespace usina {

struct ProgramVersion {
    int major = 5;
    int minor = 1;
    int revision = 0;
};

struct StationServices {
    forms::Clock& clock;
    forms::Backend& backend;
    serial::ByteLink& port;
    std::filesystem::path programFolder;
    ProgramVersion version{};
};

class Station {
public:
    explicit Station(StationServices services);
    ~Station();
    Station(const Station&) = delete;
    Station& operator=(const Station&) = delete;

    forms::Clock& clock() const { return clock_; }
    forms::WindowSystem& ws() { return ws_; }
    ControllerLink& link() { return link_; }
    const std::filesystem::path& programFolder() const { return programFolder_; }
    const ProgramVersion& version() const { return version_; }
    // The application's title, used by its message boxes.
    static constexpr const char* appTitle = "Ranvikv5011";

    // The single-instance test of the start: false when another station runs on this program folder.
    bool claimSingleInstance();

    // Runs the start-up; afterwards the station lives in its main window's events and timers.
    void run();

    // The windows, loaded on first touch.
    template <class F> F& form() { return ws_.form<F>(); }

    Module1 m;

private:
    void defineForms();

    forms::Clock& clock_;
    std::filesystem::path programFolder_;
    ProgramVersion version_;
    forms::WindowSystem ws_;
    ControllerLink link_;
    InstanceLock instanceLock_;
};

} // namespace usina
