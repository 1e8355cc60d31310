#pragma once
// The virtual desktop, noting in order what the station asks of it, so a test can pin the order of
// the start's steps; the test may add notes of its own to the same timeline.

#include "platform/forms/virtual_desktop.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace usina::test {

class RecordingDesktop : public forms::VirtualDesktop {
public:
    using VirtualDesktop::VirtualDesktop;

    // "screen width", "pending events", "hourglass", "default pointer", "message box".
    mutable std::vector<std::string> timeline;
    // When set, the screen check also notes whether the settings file is there yet.
    std::filesystem::path settingsFile;

    int screenWidthPixels() const override {
        timeline.push_back("screen width");
        if (!settingsFile.empty()) {
            timeline.push_back(std::filesystem::exists(settingsFile) ? "settings file there"
                                                                     : "no settings file");
        }
        return VirtualDesktop::screenWidthPixels();
    }
    // Runs at every "let pending events run", as the person's doing in the middle of a long handler.
    std::function<void()> duringPendingEvents;

    void processPendingEvents() override {
        timeline.push_back("pending events");
        if (duringPendingEvents) {
            duringPendingEvents();
        }
        VirtualDesktop::processPendingEvents();
    }
    void setMousePointer(forms::MousePointer pointer) override {
        timeline.push_back(pointer == forms::MousePointer::Hourglass ? "hourglass" : "default pointer");
        VirtualDesktop::setMousePointer(pointer);
    }
    int messageBox(const forms::MessageBoxRequest& request) override {
        timeline.push_back("message box");
        return VirtualDesktop::messageBox(request);
    }
};

} // namespace usina::test
