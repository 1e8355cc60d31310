#pragma once
// The backend of the headless window model: virtual time, timers on a virtual scheduler, scripted
// answers for message boxes and modal waits, and a record of beeps, boxes and printed windows.

#include "backend.h"
#include "clock.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace usina::forms {

class VirtualDesktop : public Backend {
public:
    explicit VirtualDesktop(VirtualClock& clock);

    VirtualClock& clock() { return clock_; }

    // Moves virtual time on, running every timer tick that falls due, in order.
    void advance(double seconds);
    // Advances in steps of `step` until pred holds; false when maxSeconds passed first.
    bool runUntil(const std::function<bool()>& pred, double maxSeconds, double step = 0.1);

    // The next nested wait (a modal form) runs these, in order, before letting time pass.
    void whenWaiting(std::function<void()> responder) { responders_.push_back(std::move(responder)); }
    // Answers for the next message boxes; without one, a box is answered OK.
    void answerMessageBox(int answer) { answers_.push_back(answer); }
    void setScreenWidth(int pixels) { screenWidth_ = pixels; }
    void setPrinterAvailable(bool available) { printerAvailable_ = available; }
    // Printing goes on through this too (a renderer's real printing path) once the window is noted.
    void printThrough(std::function<void(Form&)> print) { printThrough_ = std::move(print); }

    const std::vector<MessageBoxRequest>& messageBoxes() const { return messageBoxes_; }
    int beeps() const { return beeps_; }
    const std::vector<std::string>& printedForms() const { return printed_; }
    bool quitRequested() const { return quit_; }
    MousePointer mousePointer() const { return pointer_; }
    bool isScheduled(const Timer& timer) const { return timers_.count(&timer) != 0; }

    void timerChanged(Timer& timer) override;
    void timerDestroyed(Timer& timer) override;
    void processPendingEvents() override;
    void runNestedLoop(const std::function<bool()>& done) override;
    int messageBox(const MessageBoxRequest& request) override;
    void beep() override { ++beeps_; }
    int screenWidthPixels() const override { return screenWidth_; }
    void setMousePointer(MousePointer pointer) override { pointer_ = pointer; }
    void printFormImage(Form& form) override;
    void quit() override { quit_ = true; }

private:
    struct Scheduled {
        double due;
        long order;
    };
    Timer* nextDue(double notAfter);
    void fire(Timer& timer);

    VirtualClock& clock_;
    std::map<const Timer*, Scheduled> timers_;
    long nextOrder_ = 0;
    std::deque<std::function<void()>> responders_;
    std::deque<int> answers_;
    std::vector<MessageBoxRequest> messageBoxes_;
    std::vector<std::string> printed_;
    int beeps_ = 0;
    int screenWidth_ = 800;
    bool printerAvailable_ = true;
    std::function<void(Form&)> printThrough_;
    bool quit_ = false;
    MousePointer pointer_ = MousePointer::Default;
    int nestedDepth_ = 0;
};

} // namespace usina::forms
