#pragma once
// The lowest production rate of the plant: the main window's rate bar never goes below it, so neither a
// mix's rate nor the plant's maximum rate may be set below it.

namespace usina {

constexpr int lowestRate = 20;

} // namespace usina
