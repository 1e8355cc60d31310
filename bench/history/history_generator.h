#pragma once
// Years of a plant's history in the delivered databases, for the report and export benchmarks: production
// records spread evenly over the days, a few mixes in runs, and load tickets.

#include "platform/value/value.h"

#include <cstdint>
#include <filesystem>

namespace usina::bench {

// Adds `rows` production records to Tabela of the datranvik.mdb at `file`, over `years` years ending on
// `lastDay`, in date and time order.
void generateProductionHistory(const std::filesystem::path& file, std::int64_t rows, int years, Date lastDay);

// Adds `tickets` load tickets to RelCarga of the dat2.mdb at `file`, over `years` years ending on `lastDay`.
void generateLoadTickets(const std::filesystem::path& file, std::int64_t tickets, int years, Date lastDay);

} // namespace usina::bench
