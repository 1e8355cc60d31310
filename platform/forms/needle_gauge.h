#pragma once

#include "control.h"
#include "needle_gauge_state.h"
#include "platform/value/value.h"

namespace usina::forms {

// The needle gauge control: its state is reached through dispatch ids, as the windows use it.
class NeedleGauge : public Control {
public:
    NeedleGauge(Form& form, std::string name, int index = -1);

    void setProperty(int dispatchId, const Value& value);
    Value property(int dispatchId) const;
    const NeedleGaugeState& state() const { return state_; }
    NeedleGaugeState& state() { return state_; }

private:
    NeedleGaugeState state_;
};

} // namespace usina::forms
