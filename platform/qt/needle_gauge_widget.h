#pragma once
// The painted needle gauge: a round dial with the three bands over a 270-degree sweep, ticks and labels,
// the needle, the caption, the value and the unit. It only shows the state; nothing is written back.
//
// The widget reads `state` on every paint, so the state must outlive it, and it does not take the
// state's onChanged for itself: the owner wires it, guarded against the widget going first, e.g.
//     state.onChanged = [w = QPointer(widget)] { if (w) w->refresh(); };

#include "platform/forms/needle_gauge_state.h"

#include <QWidget>

namespace usina::qt {

class NeedleGaugeWidget : public QWidget {
public:
    explicit NeedleGaugeWidget(const forms::NeedleGaugeState& state, QWidget* parent = nullptr);

    // Schedules a repaint from the state as it is now.
    void refresh();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const forms::NeedleGaugeState& state_;
};

} // namespace usina::qt
