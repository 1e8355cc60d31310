#include "core/station.h"

#include "core/form_splash.h"
#include "plant/form_ranvikv5.h"
#include "setup/form_altera_rec.h"
#include "setup/form_config.h"

namespace usina {

Station::Station(StationServices services)
    : m(*this), clock_(services.clock), programFolder_(std::move(services.programFolder)),
      version_(services.version), ws_(services.backend),
      link_(services.port, [this] { return clock_.monotonicSeconds(); }) {
    ws_.setUnhandledErrorHandler([this](const std::exception_ptr& error, const forms::HandlerSite& site) {
        m.ReportUnhandledError(error, site);
    });
    defineForms();
}

Station::~Station() {
    ws_.setObserver(nullptr);
    m.CloseDatabases();
}

bool Station::claimSingleInstance() {
    return instanceLock_.acquire(programFolder_);
}

void Station::run() {
    ws_.raise("Module1", "Main", [this] { m.Main(); });
}

void Station::defineForms() {
    ws_.define<FormSplash>([this] { return std::make_unique<FormSplash>(*this); });
    ws_.define<FormRanvikv5>([this] { return std::make_unique<FormRanvikv5>(*this); });
    ws_.define<FormConfig>([this] { return std::make_unique<FormConfig>(*this); });
    ws_.define<FormAltera_rec>([this] { return std::make_unique<FormAltera_rec>(*this); });
}

} // namespace usina
