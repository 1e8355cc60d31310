#pragma once
// The Qt application, on the screen the environment names (DISPLAY, QT_QPA_PLATFORM). Qt aborts a
// program whose screen it cannot open; the station ends then with status 1 and a line on the
// standard error that says why.

#include <QApplication>

#include <memory>

namespace usina {

std::unique_ptr<QApplication> applicationOnScreenOrEnd(int& argc, char** argv);

} // namespace usina
