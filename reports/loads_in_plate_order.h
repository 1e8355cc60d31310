#pragma once
// The temperature report's loads of a date range: one line each, in plate order (name order, then the
// ticket number), and the channel names stored with the first of them.

#include "reports/report_dates.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace usina {

struct LoadsInPlateOrder {
    std::vector<std::string> lines;
    std::array<std::string, 5> firstChannelNames;
};

// The rows are read in the table's order and put in plate order here: ranking the few plates by name
// costs far less than sorting every ticket by a name comparison.
LoadsInPlateOrder loadsInPlateOrder(const std::filesystem::path& reportFile, DateRange range,
                                    bool fiveChannels);

} // namespace usina
