#pragma once
// The process's set point and the production totals in tons.

#include "platform/value/bounded_array.h"

namespace usina {

struct ProcessAndTotals {
    // The rate set on the main window's rate bar, in t/h.
    double ProductionTarget = 0;

    // The grand total and the day's total as stored, and as they grow while the plant runs.
    double TotalBase = 0, TotalProduction = 0;
    double DailyBase = 0, DailyProduction = 0;
    // Per material, since the program started.
    BoundedArray<double, 1, 5> SiloGrandTotal{};
    double FillerGrandTotal = 0, AsphaltGrandTotal = 0, MaltenoGrandTotal = 0, FibreGrandTotal = 0;
};

} // namespace usina
