#pragma once
// The time of day as the system reads it: the date, the time, the seconds since midnight (with
// fractions; they start again at 0 at midnight) and an elapsed-time source that never goes back.

#include "platform/value/value.h"

namespace usina::forms {

class Clock {
public:
    virtual ~Clock() = default;
    virtual Date today() const = 0;
    virtual double secondsSinceMidnight() const = 0;
    virtual double monotonicSeconds() const = 0;
    TimeOfDay timeOfDay() const;
};

class SystemClock : public Clock {
public:
    Date today() const override;
    double secondsSinceMidnight() const override;
    double monotonicSeconds() const override;
};

// Time that moves only when told to: tests and the virtual desktop advance it.
class VirtualClock : public Clock {
public:
    VirtualClock(Date date = Date{2026, 12, 10}, double secondsSinceMidnight = 8 * 3600.0);
    Date today() const override { return date_; }
    double secondsSinceMidnight() const override { return seconds_; }
    double monotonicSeconds() const override { return elapsed_; }
    void set(Date date, double secondsSinceMidnight);
    // Moves on, across midnight into the next day when it comes.
    void advance(double seconds);

private:
    Date date_;
    double seconds_;
    double elapsed_ = 1000.0;
};

} // namespace usina::forms
