#pragma once
// Report numbers: a report takes the number of the last stored row of its table plus 1, written as
// eight digits.

#include "platform/value/value.h"

#include <cstdint>
#include <string>

namespace usina {

namespace store {
class TableRecordset;
}

// The number a stored `num` stands for: Null, an empty text or a text that is no number count as 0,
// so a damaged last row never keeps the operator from making a report.
std::int64_t storedReportNumber(const Value& num);

// The last row's number plus 1; a table without rows gives 1. Leaves the recordset on its last row.
std::int64_t nextReportNumber(store::TableRecordset& reports);

// "00000012".
std::string reportNumberText(std::int64_t number);

} // namespace usina
