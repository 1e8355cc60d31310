#include "app/screen_application.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace usina {

namespace {

// What Qt says while it opens the screen is held until it is known whether the screen opened: on
// failure it is the reason, otherwise it goes where Qt's messages go.
struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

// A message handler is a plain function: what it holds lives here, for the one opening of the screen.
std::vector<HeldMessage> heldMessages;
QtMessageHandler qtsOwnHandler = nullptr;

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::string(value) : std::string();
}

std::string screenNamed() {
    const std::string display = environmentValue("DISPLAY");
    const std::string platform = environmentValue("QT_QPA_PLATFORM");
    return (display.empty() ? std::string("DISPLAY não definido") : "DISPLAY=" + display) +
           (platform.empty() ? std::string() : ", QT_QPA_PLATFORM=" + platform);
}

std::string oneLine(const QString& text) {
    return text.simplified().toStdString();
}

// Qt's own words, in English, for whoever looks into it.
std::string qtsReason(const QString& fatal) {
    std::string reason;
    for (const HeldMessage& held : heldMessages) {
        reason += (reason.empty() ? "" : "; ") + (held.category.empty() ? "" : held.category + ": ") +
                  oneLine(held.text);
    }
    return reason.empty() ? oneLine(fatal) : reason;
}

[[noreturn]] void endWithoutScreen(const QString& fatal) {
    std::fprintf(stderr, "usina: a tela não pôde ser aberta (%s) - %s\n", screenNamed().c_str(),
                 qtsReason(fatal).c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

void holdWhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        endWithoutScreen(text);
    }
    heldMessages.push_back({type, context.category != nullptr ? context.category : "", text});
}

} // namespace

std::unique_ptr<QApplication> applicationOnScreenOrEnd(int& argc, char** argv) {
    qtsOwnHandler = qInstallMessageHandler(holdWhileOpening);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtsOwnHandler);
    for (const HeldMessage& held : heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.c_str());
        qtsOwnHandler(held.type, context, held.text);
    }
    heldMessages.clear();
    return application;
}

} // namespace usina
