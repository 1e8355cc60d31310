#pragma once

#include "control.h"

namespace usina::forms {

// Ticks on the user-interface thread every `interval` ms while enabled (an interval of 0 never ticks).
// Setting the interval or switching it on restarts the count; a tick never re-enters its own handler.
class Timer : public Control {
public:
    Timer(Form& form, std::string name, int index = -1);
    ~Timer() override;

    int interval() const { return interval_; }
    void setInterval(int milliseconds);
    bool enabled() const { return Control::enabled(); }
    void setEnabled(bool on);
    bool running() const { return enabled() && interval_ > 0; }

    std::function<void()> Tick;

private:
    int interval_ = 0;
};

} // namespace usina::forms
