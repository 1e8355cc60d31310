#pragma once
// The reports' module variables: the grouping tables of the production, materials and plate reports,
// which outlive their windows, and the number of the plate report stored last.

#include "reports/grouping_table.h"

#include <cstdint>

namespace usina {

struct ReportsState {
    // Per mix: the tons produced.
    GroupingTable ProductionReportRows{1};
    // Per mix: silos 1 to 4, CAP, filler, fibre, recycled material, malteno.
    GroupingTable MaterialsReportRows{9};
    // Per plate: the number of loads and the tons.
    GroupingTable PlateReportRows{2};
    // Eight digits hold far more reports than a 16-bit number would.
    std::int64_t RelPlacasNumber = 0;
};

} // namespace usina
