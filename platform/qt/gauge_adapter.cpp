// A needle gauge: the painted dial, repainted whenever the model's gauge state changes.

#include "platform/forms/needle_gauge.h"
#include "platform/qt/control_adapter.h"
#include "platform/qt/control_adapters.h"
#include "platform/qt/form_window.h"
#include "platform/qt/needle_gauge_widget.h"

namespace usina::qt {

namespace {

class GaugeAdapter : public ControlAdapter {
public:
    GaugeAdapter(FormWindow& window, forms::NeedleGauge& gauge)
        : ControlAdapter(window, gauge), dial_(new NeedleGaugeWidget(gauge.state(), window.clientArea())) {
        adopt(dial_);
    }

    void apply(forms::Property property) override {
        if (property == forms::Property::Gauge) {
            dial_->refresh();
            return;
        }
        ControlAdapter::apply(property);
    }

protected:
    // The dial takes its own clicks; they do not fall through to the frame below.
    bool mouseInput(QObject*, QMouseEvent&) override { return true; }

private:
    NeedleGaugeWidget* dial_;
};

} // namespace

ControlAdapter* makeGaugeAdapter(FormWindow& window, forms::Control& control) {
    return new GaugeAdapter(window, static_cast<forms::NeedleGauge&>(control));
}

} // namespace usina::qt
