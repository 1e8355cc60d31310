#pragma once
// Key codes of KeyDown (virtual keys) and the shift mask, as the handlers test them. KeyPress carries
// Windows-1252 character codes instead.

namespace usina::forms::keys {

constexpr int backspace = 8;
constexpr int tab = 9;
constexpr int enter = 13;
constexpr int shift = 16;
constexpr int control = 17;
constexpr int escape = 27;
constexpr int space = 32;
constexpr int pageUp = 33;
constexpr int pageDown = 34;
constexpr int end = 35;
constexpr int home = 36;
constexpr int left = 37;
constexpr int up = 38;
constexpr int right = 39;
constexpr int down = 40;
constexpr int insert = 45;
constexpr int del = 46;
constexpr int digit0 = 48;
constexpr int letterA = 65;
constexpr int numpad0 = 96;
constexpr int numpadDecimal = 110;
constexpr int f1 = 112;
constexpr int f4 = 115;

// Shift state of KeyDown.
constexpr int shiftMask = 1;
constexpr int ctrlMask = 2;
constexpr int altMask = 4;

} // namespace usina::forms::keys
