#pragma once
// The date range of a report, as the two date boxes give it.

#include "platform/value/value.h"

#include <optional>
#include <string>

namespace usina {

struct DateRange {
    Date first;
    Date last;
};

// The text of a date box as a date, by the system's date rules; none for a text that is no date (an
// empty box included).
std::optional<Date> dateInBox(const std::string& text, Date today);

// The range as a stored report names it: "01/12/26 ate 09/12/26".
std::string selectionText(const std::string& firstBox, const std::string& lastBox, Date today);

} // namespace usina
