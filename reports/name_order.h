#pragma once
// The order in which the reports list names (mixes, plates): as the operator reads them, accented
// letters beside their base letters and case aside; names that differ only in case, in code order.

#include <string>

namespace usina {

bool comesBeforeInNameOrder(const std::string& a, const std::string& b);

} // namespace usina
