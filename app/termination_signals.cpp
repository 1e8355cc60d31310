#include "app/termination_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace usina {

namespace {

int signalPipe[2] = {-1, -1};

// Only async-signal-safe work here: the signal's number as one byte into the pipe; the event loop does
// the rest.
void forwardSignal(int number) {
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

std::string signalName(char number) {
    return number == SIGINT ? "SIGINT" : "SIGTERM";
}

} // namespace

void catchTerminationSignals() {
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return; // the default handling (end at once) stays
    }
    struct sigaction action {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

void onTerminationSignal(std::function<void(const std::string& signalName)> requested) {
    if (signalPipe[0] < 0) {
        return;
    }
    // Owned by the application, so it goes with it. A byte already in the pipe wakes it at once.
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [requested] {
        char received = 0;
        while (::read(signalPipe[0], &received, 1) > 0) {
            requested(signalName(received));
        }
    });
}

} // namespace usina
