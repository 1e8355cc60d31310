#pragma once

#include "control.h"

namespace usina::forms {

// A horizontal scroll bar. The value stays within Min..Max (a value outside is limited, not refused);
// a change of value raises Change, by the person or by code.
class ScrollBar : public Control {
public:
    ScrollBar(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::ScrollBar, std::move(name), index) {}
    int min() const { return min_; }
    int max() const { return max_; }
    int value() const { return value_; }
    int smallChange() const { return smallChange_; }
    int largeChange() const { return largeChange_; }
    void setMin(int m);
    void setMax(int m);
    void setValue(int v);
    void setSmallChange(int s) { smallChange_ = s; }
    void setLargeChange(int l) { largeChange_ = l; }

private:
    void clampValue();
    int min_ = 0;
    int max_ = 32767;
    int value_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

} // namespace usina::forms
