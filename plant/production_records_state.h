#pragma once
// What the production records keep: the row number within the run and the running values as rounded
// at the last row, against which the next row's quantities are counted.

#include "platform/value/bounded_array.h"

#include <cstdint>

namespace usina {

struct ProductionRecordsState {
    std::int16_t RecordSequence = 0;
    BoundedArray<double, 1, 5> SiloTotalLogged{};
    double AsphaltPartialLogged = 0, FillerPartialLogged = 0, FibrePartialLogged = 0,
           MaltenoPartialLogged = 0;
    double PartialProductionLogged = 0;
};

} // namespace usina
