#pragma once
// The arithmetic of a mix's checks: the rate the binder pumps allow, the composition's sum, and the
// exact comparison of typed rates.

#include <optional>
#include <string_view>

namespace usina {

// The highest rate in t/h that the asphalt and malteno shares allow at the plant's maximum rate
// `plantMaximum`: `asphalt` % of the new aggregate, `malteno` % of the `recycled` % of recycled
// material. None when neither share is set. Both shares must be below 100.
std::optional<double> productionLimit(double plantMaximum, double asphalt, double malteno, double recycled);

// The sum at 15 significant digits is 100: a sum off only by the binary rounding of its terms passes.
bool addsUpToHundred(double sum);

// Compares two numeric texts of the regional form (see parseNumber) as exact decimals: negative when
// a < b, 0 when equal, positive when a > b.
int compareDecimalTexts(std::string_view a, std::string_view b);

} // namespace usina
