// The operator's message line: the first message shown wins until the clock timer clears it.

#include "core/main_window_port.h"
#include "core/shared_services.h"
#include "core/station.h"
#include "platform/forms/label.h"
#include "platform/value/conversions.h"

#include <algorithm>

namespace usina {

void SharedServices::ShowOccurrence(const std::string& message) {
    forms::Label& line = st.mainWindow().LblOcorrenc();
    if (!line.caption().empty()) {
        return;
    }
    line.setCaption(message);
    CurrentOccurrence = message;
    // A record follows a few counter steps later; a message that comes back before then must not put
    // that record off again, or a repeating message would keep it from ever being written.
    RecordTick = std::max(RecordTick, toInt16(static_cast<double>(RecordPeriod) - 5));
}

} // namespace usina
