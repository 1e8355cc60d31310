#pragma once
// What the window model needs of the world around it: timers, nested event loops, message boxes,
// beep, screen, mouse pointer, printing. The Qt renderer provides one; tests use the virtual desktop.

#include <functional>
#include <string>

namespace usina::forms {

class Form;
class Timer;

namespace msgbox {
constexpr int okOnly = 0;
constexpr int okCancel = 1;
constexpr int yesNo = 4;
constexpr int critical = 16;
constexpr int question = 32;
constexpr int exclamation = 48;
constexpr int information = 64;
// Results.
constexpr int ok = 1;
constexpr int cancel = 2;
constexpr int yes = 6;
constexpr int no = 7;
} // namespace msgbox

struct MessageBoxRequest {
    std::string prompt;
    int style = msgbox::okOnly;
    std::string title;
};

enum class MousePointer { Default, Hourglass };

class Backend {
public:
    virtual ~Backend() = default;

    // A timer's enabled state or interval changed: (re)start its count, or stop it.
    virtual void timerChanged(Timer& timer) = 0;
    virtual void timerDestroyed(Timer& timer) = 0;

    // Runs what is due now (timer ticks, queued input) once, then returns.
    virtual void processPendingEvents() = 0;
    // Runs events until done() holds or the program ends; timers keep ticking.
    virtual void runNestedLoop(const std::function<bool()>& done) = 0;
    // Shows a message box and waits for the answer, timers ticking meanwhile.
    virtual int messageBox(const MessageBoxRequest& request) = 0;

    virtual void beep() = 0;
    virtual int screenWidthPixels() const = 0;
    virtual void setMousePointer(MousePointer pointer) = 0;
    // Prints the window's image on the default printer; throws RunTimeError when there is none.
    virtual void printFormImage(Form& form) = 0;

    // The program ends: leave the event loop.
    virtual void quit() = 0;
};

} // namespace usina::forms
