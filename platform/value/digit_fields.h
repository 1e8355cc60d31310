#pragma once
// Splitting short texts of digit groups ("12/05/26", "2026-05-12", "08:30:00") into their numbers.

#include <optional>
#include <string_view>
#include <vector>

namespace usina {

std::vector<std::string_view> splitAt(std::string_view text, char separator);
// The number a group of between minDigits and maxDigits decimal digits stands for; nullopt otherwise.
std::optional<int> digitField(std::string_view field, std::size_t minDigits, std::size_t maxDigits);

} // namespace usina
