#include "clock.h"

#include "platform/value/conversions.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace usina::forms {

TimeOfDay Clock::timeOfDay() const {
    const int s = static_cast<int>(std::floor(secondsSinceMidnight()));
    return TimeOfDay{s < 0 ? 0 : (s > 86399 ? 86399 : s)};
}

namespace {

std::tm localNow(double* fraction) {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    if (fraction != nullptr) {
        const auto sinceEpoch = now.time_since_epoch();
        const auto wholeSeconds = std::chrono::duration_cast<std::chrono::seconds>(sinceEpoch);
        *fraction = std::chrono::duration<double>(sinceEpoch - wholeSeconds).count();
    }
    return local;
}

} // namespace

Date SystemClock::today() const {
    const std::tm local = localNow(nullptr);
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

double SystemClock::secondsSinceMidnight() const {
    double fraction = 0;
    const std::tm local = localNow(&fraction);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

double SystemClock::monotonicSeconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

VirtualClock::VirtualClock(Date date, double secondsSinceMidnight)
    : date_(date), seconds_(secondsSinceMidnight) {}

void VirtualClock::set(Date date, double secondsSinceMidnight) {
    date_ = date;
    seconds_ = secondsSinceMidnight;
}

void VirtualClock::advance(double seconds) {
    elapsed_ += seconds;
    seconds_ += seconds;
    while (seconds_ >= 86400.0) {
        seconds_ -= 86400.0;
        date_ = dateFromSerial(dateSerial(date_) + 1);
    }
}

} // namespace usina::forms
