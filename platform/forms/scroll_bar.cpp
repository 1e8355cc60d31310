#include "scroll_bar.h"

#include <algorithm>

namespace usina::forms {

void ScrollBar::setMin(int m) {
    min_ = m;
    notify(Property::Range);
    clampValue();
}

void ScrollBar::setMax(int m) {
    max_ = m;
    notify(Property::Range);
    clampValue();
}

void ScrollBar::clampValue() {
    const int lo = std::min(min_, max_);
    const int hi = std::max(min_, max_);
    if (value_ < lo || value_ > hi) {
        setValue(value_);
    }
}

void ScrollBar::setValue(int v) {
    const int limited = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
    if (limited == value_) {
        return;
    }
    value_ = limited;
    notify(Property::Value);
    raise(Change, "Change");
}

} // namespace usina::forms
