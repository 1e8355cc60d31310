// The operator's message line: the first message shown wins until the clock timer clears it.

#include "core/station.h"
#include "plant/form_ranvikv5.h"
#include "platform/value/conversions.h"

namespace usina {

void Module1::ShowOccurrence(const std::string& message) {
    auto& line = st.form<FormRanvikv5>().LblOcorrenc;
    if (!line.caption().empty()) {
        return;
    }
    line.setCaption(message);
    CurrentOccurrence = message;
    RecordTick = toInt16(static_cast<double>(RecordPeriod) - 5);
}

} // namespace usina
