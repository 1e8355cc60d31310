#pragma once
// The regulation's commands and flows, and the production totals in tons: written by the regulation
// tick and the load's closing, read by the polling cycle, the records and the windows.

#include "platform/value/bounded_array.h"

#include <cstdint>

namespace usina {

struct ProcessAndTotals {
    // The rate set on the main window's rate bar, in t/h.
    double ProductionTarget = 0;

    // ---- flows in t/h, measured from the belt scales and derived from the mix ----
    BoundedArray<double, 1, 4> SiloFlow{};
    double RecycledFlow = 0;
    double AggregateFlow = 0, FillerFlow = 0, AsphaltFlow = 0, FibreFlow = 0, MaltenoFlow = 0;
    double RecycledStreamFlow = 0;

    // ---- the set point and the belt-speed commands (controller steps 0 to 255) ----
    double AggregateSetpoint = 0;
    BoundedArray<double, 1, 5> SiloDesiredFlow{};
    double RecycledNetPercent = 0;
    BoundedArray<std::int16_t, 1, 5> SiloSpeed{};
    // 1 while a feeder is starved or a pump is at its limit: raises are held back.
    std::int16_t LimitFlag = 0;

    // ---- per material: the time of the last totalling (seconds since midnight), the load's partial,
    // the quantity since the last closed load, the closed loads' base and the shown grand total ----
    BoundedArray<double, 1, 5> SiloTotalizerStamp{};
    double FillerTotalizerStamp = 0, AsphaltTotalizerStamp = 0, MaltenoTotalizerStamp = 0,
           FibreTotalizerStamp = 0;
    BoundedArray<double, 1, 5> SiloPartial{};
    double FillerPartial = 0, AsphaltPartial = 0, MaltenoPartial = 0, FibrePartial = 0;
    BoundedArray<double, 1, 5> SiloTotal{};
    double FillerTotal = 0, AsphaltTotal = 0, MaltenoTotal = 0, FibreTotal = 0;
    BoundedArray<double, 1, 5> SiloTotalBase{};
    double FillerTotalBase = 0, AsphaltTotalBase = 0, MaltenoTotalBase = 0, FibreTotalBase = 0;
    BoundedArray<double, 1, 5> SiloGrandTotal{};
    double FillerGrandTotal = 0, AsphaltGrandTotal = 0, MaltenoGrandTotal = 0, FibreGrandTotal = 0;
    double TimerNow = 0;

    // ---- production: the load, the day and the grand total, with the stored bases ----
    double PartialProduction = 0;
    double TotalBase = 0, TotalProduction = 0;
    double DailyBase = 0, DailyProduction = 0;
};

} // namespace usina
