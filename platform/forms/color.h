#pragma once
// Colours as the windows write them: blue-green-red (0x00BBGGRR), 255 being pure red. Values with the
// high bit set name system colours.

#include <cstdint>

namespace usina::forms {

using Color = std::uint32_t;

namespace colors {
constexpr Color red = 0x0000FF;
constexpr Color yellow = 0x00FFFF;
constexpr Color green = 0x00FF00;
constexpr Color white = 0xFFFFFF;
constexpr Color black = 0x000000;
constexpr Color lightGrey = 0xC0C0C0;
constexpr Color darkGrey = 0x808080;
constexpr Color veryLightGrey = 0xE0E0E0;
constexpr Color lightGreen = 0xC0FFC0;
constexpr Color darkRed = 0x000080;
constexpr Color windowBackground = 0x80000005;
constexpr Color buttonFace = 0x8000000F;
constexpr Color buttonText = 0x80000012;
constexpr Color windowText = 0x80000008;
} // namespace colors

constexpr bool isSystemColor(Color c) {
    return (c & 0x80000000u) != 0;
}
constexpr int redOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

} // namespace usina::forms
