// The station on a real screen: the Qt renderer shows the window model, the serial port reaches the
// plant controller, the system clock keeps time.

#include "app/command_line.h"
#include "app/plant_pictures.h"
#include "app/screen_application.h"
#include "app/station_windows.h"
#include "app/termination_signals.h"
#include "core/station.h"
#include "plant/form_ranvikv5.h"
#include "platform/forms/clock.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_renderer.h"
#include "platform/serial/serial_port.h"

#include <QApplication>

#include <cstdio>

namespace {

// A request to end while the start runs ends the start; afterwards the main window closes as its
// close button would, also behind a modal window (a signal is no click on a window).
void endOnRequest(usina::Station& station, bool started) {
    auto& ws = station.ws();
    auto* main = ws.peek<usina::FormRanvikv5>();
    if (!started || main == nullptr) {
        try {
            ws.endProgram();
        } catch (const usina::forms::ProgramEnded&) {
            // The start's own steps unwind once the event loop hands back to them.
        }
        return;
    }
    ws.raise(main->name(), "Form_Unload", [main] { main->Unload(); });
}

} // namespace

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
    usina::onTerminationSignal([&station, &started] { endOnRequest(station, started); });
    station.run();
    started = true;
    if (!station.ws().ended()) {
        application->exec();
    }
    return station.exitStatus();
}
