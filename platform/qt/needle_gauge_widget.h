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
#include <QPixmap>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <array>
#include <optional>
#include <string>
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

// What a paint of the gauge depends on. Two values that put the needle on the same pixels and read
// the same compare equal, so the regulation's small changes cost no paint.
struct GaugeLook {
    QSize size;
    qreal pixelRatio = 1;
    QFont font;
    double fullScale = 0;
    std::array<forms::GaugeBand, forms::NeedleGaugeState::bandCount> bands;
    std::string caption;
    std::string unit;
    forms::Color needleColor = 0;
    bool greyed = false;
    QString reading;
    long needleStep = 0; // the needle's angle in quarters of a degree

    // The same dial, the needle and the reading aside.
    bool sameDial(const GaugeLook& other) const;
    bool operator==(const GaugeLook&) const = default;
};

class NeedleGaugeWidget : public QWidget {
public:
    explicit NeedleGaugeWidget(const forms::NeedleGaugeState& state, QWidget* parent = nullptr);

    // Schedules a repaint from the state as it is now, unless it would show what is shown already.
    void refresh();
    const forms::NeedleGaugeState& state() const { return state_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    GaugeLook lookNow() const;
    // The dial's layers that stay put while the needle moves, painted once per dial.
    void paintStillLayers(const GaugeLook& look);

    const forms::NeedleGaugeState& state_;
    std::optional<GaugeLook> shown_;
    GaugeLayout layout_;
    QPixmap face_;    // bezel, face, bands and ticks, below the needle
    QPixmap overlay_; // the scale's numbers and the caption, over the needle
};

} // namespace usina::qt
