#include "core/station.h"

#include "core/main_window_port.h"
#include "core/shared_services.h"
#include "core/startup_and_settings.h"

#include <stdexcept>

namespace usina {

Station::Station(StationServices services)
    : clock_(services.clock), port_(services.port), programFolder_(std::move(services.programFolder)),
      version_(services.version), ws_(services.backend) {
    ws_.setUnhandledErrorHandler([this](const std::exception_ptr& error, const forms::HandlerSite& site) {
        group<SharedServices>().ReportUnhandledError(error, site);
    });
}

Station::~Station() {
    ws_.setObserver(nullptr);
}

bool Station::claimSingleInstance() {
    return instanceLock_.acquire(programFolder_);
}

void Station::run() {
    ws_.raise("Module1", "Main", [this] { group<StartupAndSettings>().Main(); });
}

forms::Form& Station::formNamed(const std::string& className) {
    forms::Form* found = ws_.formNamed(className);
    if (found == nullptr) {
        throw std::logic_error("no window defined as " + className);
    }
    return *found;
}

MainWindowPort& Station::mainWindow() {
    if (!mainWindow_) {
        throw std::logic_error("the station has no main window defined");
    }
    return mainWindow_();
}

MainWindowPort* Station::loadedMainWindow() const {
    return loadedMainWindow_ ? loadedMainWindow_() : nullptr;
}

} // namespace usina
