// The operator's message line: the first message shown wins until the clock timer clears it.

#include "core/main_window_port.h"
#include "core/shared_services.h"
#include "core/station.h"
#include "platform/forms/label.h"
#include "platform/value/conversions.h"

namespace usina {

void SharedServices::ShowOccurrence(const std::string& message) {
    forms::Label& line = st.mainWindow().LblOcorrenc();
    if (!line.caption().empty()) {
        return;
    }
    line.setCaption(message);
    CurrentOccurrence = message;
    RecordTick = toInt16(static_cast<double>(RecordPeriod) - 5);
}

} // namespace usina
