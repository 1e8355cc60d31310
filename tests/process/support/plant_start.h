#pragma once
// The start and the stop of the plant as the start button does them once a user may start and the
// moistures are filled, for tests and for the unattended station.

#include <array>

namespace usina {
class Station;
}

namespace usina::test {

// The moistures typed into the five boxes, and taken by the process.
void fillMoistures(Station& station, const std::array<double, 5>& percent);

// Running: caption "Desligar", the regulation on at 100 ms, the elapsed-time timer on, a record at the
// first tick, the elapsed time at 0 and the set point at 10 t/h.
void startPlant(Station& station);

// Stopping: caption "Desligando", shares and moistures 0, a record due, the button, the mix box and the
// menus out of use, nobody logged in; the regulation ramps every output down and finishes the stop.
void stopPlant(Station& station);

} // namespace usina::test
