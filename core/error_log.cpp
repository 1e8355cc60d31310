// The run-time error log, and what happens to an error that no handler trapped.

#include "core/databases.h"
#include "core/fault_description.h"
#include "core/main_window_port.h"
#include "core/shared_services.h"
#include "core/station.h"
#include "platform/value/run_time_error.h"

#include <cstdio>

namespace usina {

void SharedServices::LogError(const int& number, const std::string& description, const std::string& form,
                              const std::string& element) {
    db.ErrorLogRecordset.addNew();
    db.ErrorLogRecordset("Data") = Value(st.clock().today());
    db.ErrorLogRecordset("Hora") = Value(st.clock().timeOfDay());
    db.ErrorLogRecordset("Num do erro") = Value(number);
    db.ErrorLogRecordset("Erro") = Value(description.empty() ? std::string(" ") : description);
    db.ErrorLogRecordset("Forma") = Value(form);
    db.ErrorLogRecordset("Elemento") = Value(element);
    db.ErrorLogRecordset.update();
}

void SharedServices::ReportUnhandledError(const std::exception_ptr& error, const forms::HandlerSite& site) {
    // A fault of the program itself speaks the library's English: the log and the message line say it
    // in Portuguese, and the maintainer finds the detail on the standard error.
    const FaultDescription fault = describeFault(error);
    const int number = fault.number;
    const std::string& description = fault.description;
    const std::string& detail = fault.detail;
    // The same fault in the same handler, repeating every tick, is logged once an hour at most.
    constexpr double relogAfterSeconds = 3600;
    const std::string signature =
        site.form + "|" + site.handler + "|" + std::to_string(number) + "|" + description + "|" + detail;
    const double now = st.clock().monotonicSeconds();
    auto logged = loggedFaults_.find(signature);
    if (logged == loggedFaults_.end() || now - logged->second >= relogAfterSeconds) {
        loggedFaults_[signature] = now;
        if (!detail.empty()) {
            std::fprintf(stderr, "%s.%s: %s\n", site.form.c_str(), site.handler.c_str(), detail.c_str());
        }
        try {
            LogError(number, description, site.form, site.handler);
        } catch (...) {
            // The log itself is out of reach (a database not open yet): the message line still tells.
        }
    }
    if (st.loadedMainWindow() == nullptr) {
        return; // no message line yet, and touching it would load the main window
    }
    try {
        ShowOccurrence(TranslateText("Erro de execução") + " " + std::to_string(number) + ": " + description);
    } catch (...) {
        // Nothing else to tell it with; the station runs on.
    }
}

} // namespace usina
