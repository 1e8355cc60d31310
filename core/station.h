#pragma once
// Everything of one run of the station: the module's state (groups by theme), the services (clock,
// window system, serial port, program folder) and the registry of its windows. No globals: a test
// builds a fresh Station on a temporary program folder.

#include "core/instance_lock.h"
#include "core/program_version.h"
#include "core/state_groups.h"
#include "platform/forms/clock.h"
#include "platform/forms/window_system.h"
#include "platform/serial/byte_link.h"

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <type_traits>

namespace usina {

class MainWindowPort;

struct StationServices {
    forms::Clock& clock;
    forms::Backend& backend;
    serial::ByteLink& port;
    std::filesystem::path programFolder;
    ProgramVersion version = programVersion;
};

class Station {
public:
    explicit Station(StationServices services);
    ~Station();
    Station(const Station&) = delete;
    Station& operator=(const Station&) = delete;

    forms::Clock& clock() const { return clock_; }
    forms::WindowSystem& ws() { return ws_; }
    // The serial port to the plant controller.
    serial::ByteLink& port() const { return port_; }
    const std::filesystem::path& programFolder() const { return programFolder_; }
    const ProgramVersion& version() const { return version_; }
    // The application's title, used by its message boxes.
    static constexpr const char* appTitle = "Ranvikv5011";

    // The single-instance test of the start: false when another station runs on this program folder.
    bool claimSingleInstance();

    // Runs the start-up; afterwards the station lives in its main window's events and timers.
    void run();

    // What the program returns when it ends: 0, startFailed after a fault at start that a message
    // told the person, or writesLost when it ended with rows a file never took (the standard error
    // says how many, of which file).
    static constexpr int startFailed = 1;
    static constexpr int writesLost = 3;
    int exitStatus() const { return exitStatus_; }
    void setExitStatus(int status) { exitStatus_ = status; }

    // ---- windows ------------------------------------------------------------------------------------
    // Each folder defines its own windows (see its register...Windows function).
    template <class F> void defineForm() {
        ws_.define<F>([this] { return std::make_unique<F>(*this); });
    }
    // The window whose class is named `className`, loaded on first touch: folders below a window's own show
    // it so, without including it.
    forms::Form& formNamed(const std::string& className);
    // The main window: a form whose port() gives the controls the lower folders use.
    template <class F> void defineMainWindow() {
        defineForm<F>();
        mainWindow_ = [this]() -> MainWindowPort& { return form<F>().port(); };
        loadedMainWindow_ = [this]() -> MainWindowPort* {
            F* loaded = ws_.peek<F>();
            return loaded != nullptr ? &loaded->port() : nullptr;
        };
    }
    // The window, loaded on first touch.
    template <class F> F& form() { return ws_.form<F>(); }
    // The main window, loaded on first touch; loadedMainWindow() never loads it (nullptr when it is not).
    MainWindowPort& mainWindow();
    MainWindowPort* loadedMainWindow() const;

    // ---- the module's state -------------------------------------------------------------------------
    // The group of type G, made on first use (from this station when G takes one) and kept for the run.
    template <class G> G& group() {
        if constexpr (std::is_constructible_v<G, Station&>) {
            return groups_.get<G>(*this);
        } else {
            return groups_.get<G>();
        }
    }

private:
    forms::Clock& clock_;
    serial::ByteLink& port_;
    std::filesystem::path programFolder_;
    ProgramVersion version_;
    // Before the window system, so the forms end before the state they use.
    StateGroups groups_;
    forms::WindowSystem ws_;
    std::function<MainWindowPort&()> mainWindow_;
    std::function<MainWindowPort*()> loadedMainWindow_;
    InstanceLock instanceLock_;
    int exitStatus_ = 0;
};

} // namespace usina
