#include "needle_gauge.h"

namespace usina::forms {

NeedleGauge::NeedleGauge(Form& form, std::string name, int index)
    : Control(form, ControlKind::Gauge, std::move(name), index) {
    setTabStop(false);
    state_.onChanged = [this] { notify(Property::Gauge); };
}

void NeedleGauge::setProperty(int dispatchId, const Value& value) {
    state_.setProperty(dispatchId, value);
}

Value NeedleGauge::property(int dispatchId) const {
    return state_.property(dispatchId);
}

} // namespace usina::forms
