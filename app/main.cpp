// The station on a real screen: the Qt renderer shows the window model, the serial port reaches the
// plant controller, the system clock keeps time.

#include "app/command_line.h"
#include "app/end_on_request.h"
#include "app/plant_pictures.h"
#include "app/screen_application.h"
#include "app/station_windows.h"
#include "app/termination_signals.h"
#include "core/station.h"
#include "platform/forms/clock.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_renderer.h"
#include "platform/serial/serial_port.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    usina::catchTerminationSignals();
    std::string error;
    const auto line = usina::parseCommandLine(argc, argv, error);
    if (!line) {
        std::fprintf(stderr, "%s%suso: usina [--folder PASTA] [--serial DISPOSITIVO]\n", error.c_str(),
                     error.empty() ? "" : "\n");
        return error.empty() ? 0 : 2;
    }
    const auto application = usina::applicationOnScreenOrEnd(argc, argv);
    application->setApplicationName(usina::Station::appTitle);

    usina::forms::SystemClock clock;
    usina::qt::QtBackend backend;
    usina::serial::SerialPort port(line->serialDevice);
    usina::Station station(usina::StationServices{clock, backend, port, line->programFolder});
    usina::registerStationWindows(station);
    usina::registerPlantPictures();
    usina::qt::QtRenderer renderer(station.ws());

    bool started = false;
    usina::onTerminationSignal([&station, &started](const std::string& signalName) {
        usina::endOnRequest(station, started, signalName);
    });
    station.run();
    started = true;
    if (!station.ws().ended()) {
        application->exec();
    }
    return station.exitStatus();
}
