// A station that runs the plant unattended: it opens the program folder and the serial device it is
// given, shows its windows offscreen, starts the plant with the moistures filled, and runs until it is
// killed, or until SIGTERM or SIGINT ends it as they end the station program (the plant stopped first;
// its exit status is the program's). Twice a second (or as asked) it writes what it shows and how long its
// user-interface thread was held into a status file, replaced whole each time:
//   state=<the start button's caption>   line=<the message line>   reading1=<silo 1's raw mean>
//   rows=<production rows saved>          beats=<heartbeats so far>  longestStallMs=<since settling>
//   cpuSeconds=<processor time used so far, user and system>
//
// plant_driver --folder DIR --serial DEVICE [--status FILE] [--status-every MS] [--rate T/H]
//              [--settle SECONDS] [--beat MS] [--render]
// Stalls of the user-interface thread are measured with a heartbeat timer, every 25 ms or --beat.

#include "app/end_on_request.h"
#include "app/plant_pictures.h"
#include "app/station_windows.h"
#include "app/termination_signals.h"
#include "core/databases.h"
#include "core/station.h"
#include "plant/form_ranvikv5.h"
#include "platform/forms/clock.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_renderer.h"
#include "platform/serial/serial_port.h"
#include "setup/form_config.h"
#include "tests/process/support/plant_start.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <sys/resource.h>

namespace {

struct Options {
    std::filesystem::path folder;
    std::string serial;
    std::optional<std::filesystem::path> status;
    int statusEveryMs = 500;
    int rate = 0; // 0: the mix's own
    double settleSeconds = 3;
    int beatMs = 25;
    bool render = false;
};

std::optional<Options> parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--folder" && hasValue) {
            o.folder = argv[++i];
        } else if (a == "--serial" && hasValue) {
            o.serial = argv[++i];
        } else if (a == "--status" && hasValue) {
            o.status = argv[++i];
        } else if (a == "--status-every" && hasValue) {
            o.statusEveryMs = std::max(10, std::atoi(argv[++i]));
        } else if (a == "--rate" && hasValue) {
            o.rate = std::atoi(argv[++i]);
        } else if (a == "--settle" && hasValue) {
            o.settleSeconds = std::atof(argv[++i]);
        } else if (a == "--beat" && hasValue) {
            o.beatMs = std::max(5, std::atoi(argv[++i]));
        } else if (a == "--render") {
            o.render = true;
        } else {
            return std::nullopt;
        }
    }
    if (o.folder.empty() || o.serial.empty()) {
        return std::nullopt;
    }
    return o;
}

using SteadyClock = std::chrono::steady_clock;

// How long the user-interface thread was held: a heartbeat timer that falls due while the thread is
// busy runs late by what is left of the stall, so its longest lateness since settling is the longest
// stall, less at most one beat.
class StallWatch {
public:
    StallWatch(std::chrono::milliseconds interval, double settleSeconds)
        : beat_(interval),
          settleUntil_(SteadyClock::now() + std::chrono::duration_cast<SteadyClock::duration>(
                                                std::chrono::duration<double>(settleSeconds))) {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] { beat(); });
        last_ = SteadyClock::now();
        timer_.start(static_cast<int>(beat_.count()));
    }
    long beats() const { return beats_; }
    double longestStallMs() const { return longest_; }

private:
    void beat() {
        const auto now = SteadyClock::now();
        const double gap = std::chrono::duration<double, std::milli>(now - last_).count();
        last_ = now;
        ++beats_;
        if (now >= settleUntil_) {
            longest_ = std::max(longest_, gap - static_cast<double>(beat_.count()));
        }
    }

    std::chrono::milliseconds beat_;
    SteadyClock::time_point settleUntil_;
    SteadyClock::time_point last_;
    QTimer timer_;
    long beats_ = 0;
    double longest_ = 0;
};

double cpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void writeStatus(const std::filesystem::path& file, usina::Station& station, const StallWatch& watch) {
    auto* main = station.ws().peek<usina::FormRanvikv5>();
    auto* config = station.ws().peek<usina::FormConfig>();
    if (main == nullptr) {
        return;
    }
    const std::filesystem::path partial = file.string() + ".new";
    {
        std::ofstream out(partial, std::ios::trunc);
        out << "state=" << main->CmdLiga.caption() << "\n"
            << "line=" << main->LblOcorrenc.caption() << "\n"
            << "reading1=" << (config != nullptr ? config->Txtccarga[1].text() : std::string()) << "\n"
            << "rows=" << station.group<usina::Databases>().ProductionRecordset.recordCount() << "\n"
            << "beats=" << watch.beats() << "\n"
            << "longestStallMs=" << watch.longestStallMs() << "\n"
            << "cpuSeconds=" << cpuSeconds() << "\n";
    }
    std::filesystem::rename(partial, file);
}

} // namespace

int main(int argc, char** argv) {
    usina::catchTerminationSignals();
    const auto options = parse(argc, argv);
    if (!options) {
        std::fprintf(stderr, "uso: plant_driver --folder PASTA --serial DISPOSITIVO [--status ARQUIVO] "
                             "[--status-every MS] [--rate T/H] [--settle SEGUNDOS] [--beat MS] [--render]\n");
        return 2;
    }
    QApplication application(argc, argv);
    usina::forms::SystemClock clock;
    usina::qt::QtBackend backend;
    usina::serial::SerialPort port(options->serial);
    usina::Station station(usina::StationServices{clock, backend, port, options->folder});
    usina::registerStationWindows(station);
    std::unique_ptr<usina::qt::QtRenderer> renderer;
    if (options->render) {
        usina::registerPlantPictures();
        renderer = std::make_unique<usina::qt::QtRenderer>(station.ws());
    }
    bool started = false;
    usina::onTerminationSignal([&station, &started](const std::string& signalName) {
        usina::endOnRequest(station, started, signalName);
    });
    station.run();
    started = true;
    if (station.ws().ended()) {
        return 1;
    }
    auto& main = station.form<usina::FormRanvikv5>();
    if (options->rate > 0) {
        main.HScroll.setValue(options->rate);
    }
    usina::test::fillMoistures(station, {3, 3, 3, 3, 3});
    usina::test::startPlant(station);

    StallWatch watch(std::chrono::milliseconds(options->beatMs), options->settleSeconds);
    QTimer status;
    if (options->status) {
        QObject::connect(&status, &QTimer::timeout, [&] { writeStatus(*options->status, station, watch); });
        status.start(options->statusEveryMs);
        writeStatus(*options->status, station, watch);
    }
    application.exec();
    return station.exitStatus();
}
