#include "virtual_desktop.h"

#include "form.h"
#include "platform/value/run_time_error.h"
#include "timer.h"
#include "window_system.h"

#include <stdexcept>

namespace usina::forms {

VirtualDesktop::VirtualDesktop(VirtualClock& clock) : clock_(clock) {}

void VirtualDesktop::timerChanged(Timer& timer) {
    if (!timer.running()) {
        timers_.erase(&timer);
        return;
    }
    timers_[&timer] = Scheduled{clock_.monotonicSeconds() + timer.interval() / 1000.0, nextOrder_++};
}

void VirtualDesktop::timerDestroyed(Timer& timer) {
    timers_.erase(&timer);
}

Timer* VirtualDesktop::nextDue(double notAfter) {
    const Timer* best = nullptr;
    Scheduled bestAt{};
    for (const auto& [timer, at] : timers_) {
        if (at.due > notAfter + 1e-9) {
            continue;
        }
        if (best == nullptr || at.due < bestAt.due - 1e-9 ||
            (at.due < bestAt.due + 1e-9 && at.order < bestAt.order)) {
            best = timer;
            bestAt = at;
        }
    }
    return const_cast<Timer*>(best);
}

void VirtualDesktop::fire(Timer& timer) {
    auto it = timers_.find(&timer);
    const double interval = timer.interval() / 1000.0;
    // The next tick counts from this one; ticks missed while a handler ran are not made up.
    it->second.due += interval;
    it->second.order = nextOrder_++;
    timer.windowSystem().timerTick(timer);
    auto after = timers_.find(&timer);
    if (after != timers_.end() && after->second.due < clock_.monotonicSeconds()) {
        after->second.due = clock_.monotonicSeconds();
    }
}

void VirtualDesktop::advance(double seconds) {
    const double target = clock_.monotonicSeconds() + seconds;
    while (!quit_) {
        Timer* timer = nextDue(target);
        if (timer == nullptr) {
            break;
        }
        const double due = timers_[timer].due;
        if (due > clock_.monotonicSeconds()) {
            clock_.advance(due - clock_.monotonicSeconds());
        }
        fire(*timer);
    }
    if (target > clock_.monotonicSeconds()) {
        clock_.advance(target - clock_.monotonicSeconds());
    }
}

bool VirtualDesktop::runUntil(const std::function<bool()>& pred, double maxSeconds, double step) {
    double spent = 0;
    while (!pred()) {
        if (spent >= maxSeconds || quit_) {
            return pred();
        }
        advance(step);
        spent += step;
    }
    return true;
}

void VirtualDesktop::processPendingEvents() {
    const double now = clock_.monotonicSeconds();
    std::vector<Timer*> due;
    for (const auto& [timer, at] : timers_) {
        if (at.due <= now + 1e-9) {
            due.push_back(const_cast<Timer*>(timer));
        }
    }
    for (Timer* timer : due) {
        if (timers_.count(timer) != 0 && !quit_) {
            fire(*timer);
        }
    }
}

void VirtualDesktop::runNestedLoop(const std::function<bool()>& done) {
    // A wait that nobody answers would hang a test; an hour of virtual time is plenty.
    constexpr double limit = 3600.0;
    double spent = 0;
    ++nestedDepth_;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{nestedDepth_};
    while (!done() && !quit_) {
        if (!responders_.empty()) {
            auto responder = std::move(responders_.front());
            responders_.pop_front();
            if (responder) {
                responder();
            }
            continue;
        }
        if (spent >= limit) {
            throw std::runtime_error("a modal wait was never answered");
        }
        advance(0.1);
        spent += 0.1;
    }
}

int VirtualDesktop::messageBox(const MessageBoxRequest& request) {
    messageBoxes_.push_back(request);
    if (answers_.empty()) {
        return msgbox::ok;
    }
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void VirtualDesktop::printFormImage(Form& form) {
    if (!printerAvailable_) {
        throw RunTimeError(482, "Erro de impressora");
    }
    printed_.push_back(form.name());
    if (printThrough_) {
        printThrough_(form);
    }
}

} // namespace usina::forms
