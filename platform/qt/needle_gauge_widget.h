#pragma once
// The painted needle gauge: a round dial with the three bands over a 270-degree sweep, ticks and labels,
// the needle, the value and the unit, and the caption below it. It only shows the state; nothing is
// written back.
//
// The widget reads `state` on every paint, so the state must outlive it, and it does not take the
// state's onChanged for itself: the owner wires it, guarded against the widget going first, e.g.
//     state.onChanged = [w = QPointer(widget)] { if (w) w->refresh(); };

#include "platform/forms/needle_gauge_state.h"

#include <QFont>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <vector>

namespace usina::qt {

// Where the parts of a gauge go in a widget of a given size. The caption has a line of its own below
// the dial, readable on the small dials of an 800 by 600 screen; the scale's numbers sit inside the
// ticks and are drawn over the needle, so the needle at rest does not hide the "0".
struct GaugeLayout {
    struct ScaleLabel {
        QString text;
        QRectF box;
    };

    QRectF dial;       // the square the round dial fills
    QRectF captionBox; // empty without a caption
    QFont captionFont;
    QString caption; // as shown: cut with an ellipsis only where even its own line is too narrow
    QFont scaleFont;
    std::vector<ScaleLabel> scaleLabels;
};

GaugeLayout gaugeLayout(const forms::NeedleGaugeState& state, const QSizeF& size, const QFont& base);

class NeedleGaugeWidget : public QWidget {
public:
    explicit NeedleGaugeWidget(const forms::NeedleGaugeState& state, QWidget* parent = nullptr);

    // Schedules a repaint from the state as it is now.
    void refresh();
    const forms::NeedleGaugeState& state() const { return state_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const forms::NeedleGaugeState& state_;
};

} // namespace usina::qt
