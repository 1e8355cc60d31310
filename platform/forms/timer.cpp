#include "timer.h"

#include "backend.h"
#include "window_system.h"

namespace usina::forms {

Timer::Timer(Form& form, std::string name, int index)
    : Control(form, ControlKind::Timer, std::move(name), index) {
    setTabStop(false);
}

Timer::~Timer() {
    windowSystem().backend().timerDestroyed(*this);
}

void Timer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    windowSystem().backend().timerChanged(*this);
}

void Timer::setEnabled(bool on) {
    if (on == enabled()) {
        return;
    }
    Control::setEnabled(on);
    windowSystem().backend().timerChanged(*this);
}

} // namespace usina::forms
