#include "platform/qt/needle_gauge_widget.h"

#include "platform/value/conversions.h"
#include "platform/value/format_mask.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace usina::qt {

namespace {

using forms::NeedleGaugeState;

// The value 0 sits at the lower left, full scale at the lower right; the open quarter at the bottom
// holds the texts.
constexpr double sweepStartDegrees = 225;
constexpr double sweepDegrees = 270;
constexpr double faceRadius = 0.92; // of the dial's radius; the bezel takes the rest

QColor toQColor(forms::Color color) {
    return {forms::redOf(color), forms::greenOf(color), forms::blueOf(color)};
}

// The greyed look mutes everything but the stored band colours.
struct DialColors {
    QColor faceCentre;
    QColor faceEdge;
    QColor ink;
    QColor valueInk;
    // The caption stands on the window's grey, not on the face: greyed, it stays readable there.
    QColor captionInk;
};

DialColors dialColors(bool greyed) {
    if (greyed) {
        return {QColor(0xd6, 0xd6, 0xd6), QColor(0xb4, 0xb4, 0xb4), QColor(0x8c, 0x8c, 0x8c),
                QColor(0x8c, 0x8c, 0x8c), QColor(0x5a, 0x5a, 0x5a)};
    }
    return {QColor(0xfd, 0xfd, 0xfa), QColor(0xe2, 0xe2, 0xdc), QColor(0x26, 0x28, 0x2c),
            QColor(0x10, 0x12, 0x16), QColor(0x10, 0x12, 0x16)};
}

struct ScaleSteps {
    double major = 0;
    int minorPerMajor = 1;
};

// A round step (1, 2, 2.5 or 5 times a power of ten) that gives at most `maxIntervals` major intervals.
ScaleSteps scaleSteps(double fullScale, int maxIntervals) {
    const double rough = fullScale / maxIntervals;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    for (double mantissa : {1.0, 2.0, 2.5, 5.0}) {
        if (mantissa * magnitude >= rough * (1 - 1e-9)) {
            return {mantissa * magnitude, mantissa == 2.0 ? 4 : 5};
        }
    }
    return {10 * magnitude, 5};
}

// The geometry of a dial that fills a square: the angles of the values and the points of the face.
class DialGeometry {
public:
    DialGeometry(const NeedleGaugeState& state, const QRectF& square)
        : state_(state), centre_(square.center()), radius_(square.width() / 2),
          hasScale_(state.fullScale() > 0) {}

    // Degrees counter-clockwise from three o'clock; values beyond the scale stop at its ends.
    double angleOf(double value) const {
        const double fraction = hasScale_ ? std::clamp(value / state_.fullScale(), 0.0, 1.0) : 0.0;
        return sweepStartDegrees - sweepDegrees * fraction;
    }

    QPointF pointAt(double degrees, double radiusFraction) const {
        const double radians = degrees * std::numbers::pi / 180;
        const double r = radiusFraction * radius_;
        return centre_ + QPointF(r * std::cos(radians), -r * std::sin(radians));
    }

    QRectF circle(double radiusFraction) const {
        const double r = radiusFraction * radius_;
        return {centre_.x() - r, centre_.y() - r, 2 * r, 2 * r};
    }

    // A font `heightFraction` of the radius high, never below `minimumPixels`.
    QFont fontOf(const QFont& base, double heightFraction, int minimumPixels, bool bold) const {
        QFont font = base;
        font.setPixelSize(std::max(minimumPixels, static_cast<int>(std::lround(heightFraction * radius_))));
        font.setBold(bold);
        return font;
    }

    bool small() const { return radius_ < 50; }
    bool hasScale() const { return hasScale_; }
    QPointF centre() const { return centre_; }
    double radius() const { return radius_; }

private:
    const NeedleGaugeState& state_;
    QPointF centre_;
    double radius_;
    bool hasScale_;
};

// The caption's line: at least 10 pixels high, at most 14, growing with the widget.
int captionPixels(const QSizeF& size) {
    return std::clamp(static_cast<int>(std::lround(0.115 * std::min(size.width(), size.height()))), 10, 14);
}

// How many steps of `step` the scale holds; counted, not summed up to the full scale, so no scale can
// make a loop endless.
int stepsIn(double fullScale, double step) {
    return static_cast<int>(std::min(100.0, std::floor(fullScale / step * (1 + 1e-9))));
}

// Small scales need the tenth to be readable; the temperatures show whole degrees.
QString readingOf(const NeedleGaugeState& state) {
    const char* mask = state.fullScale() > 0 && state.fullScale() < 10 ? "##0.0" : "##0";
    return QString::fromStdString(formatNumber(state.value(), mask));
}

class DialPainter {
public:
    DialPainter(QPainter& painter, const NeedleGaugeState& state, const GaugeLayout& layout)
        : painter_(painter), base_(painter.font()), state_(state), layout_(layout), dial_(state, layout.dial),
          colors_(dialColors(state.isGreyed())) {}

    // Bottom to top: the face, the moving parts, the overlay.
    void paintFace() {
        paintBezelAndFace();
        if (dial_.hasScale()) {
            paintBands();
            paintTicks();
        }
    }

    void paintMovingParts() {
        paintReading();
        paintNeedle();
    }

    void paintOverlay() {
        paintScaleLabels();
        paintCaption();
    }

private:
    double r() const { return dial_.radius(); }

    void paintBezelAndFace() {
        painter_.setPen(Qt::NoPen);
        QLinearGradient bezel(dial_.circle(1).topLeft(), dial_.circle(1).bottomRight());
        bezel.setColorAt(0, QColor(0x8a, 0x90, 0x98));
        bezel.setColorAt(0.5, QColor(0x4a, 0x4f, 0x56));
        bezel.setColorAt(1, QColor(0x22, 0x25, 0x29));
        painter_.setBrush(bezel);
        painter_.drawEllipse(dial_.circle(1));

        QRadialGradient face(dial_.centre() - QPointF(0, 0.25 * r()), 1.1 * r());
        face.setColorAt(0, colors_.faceCentre);
        face.setColorAt(1, colors_.faceEdge);
        painter_.setBrush(face);
        painter_.setPen(QPen(QColor(0x16, 0x18, 0x1b), std::max(1.0, 0.02 * r())));
        painter_.drawEllipse(dial_.circle(faceRadius));
    }

    void paintBands() {
        constexpr double bandRadius = 0.755;
        constexpr double bandWidth = 0.11;
        const double fullScale = state_.fullScale();
        for (int i = 0; i < NeedleGaugeState::bandCount; ++i) {
            const forms::GaugeBand& band = state_.band(i);
            // A band typed the wrong way round still marks the range between its two ends.
            const double low = std::clamp(std::min(band.start, band.end), 0.0, fullScale);
            const double high = std::clamp(std::max(band.start, band.end), 0.0, fullScale);
            if (high <= low) {
                continue;
            }
            painter_.setPen(QPen(toQColor(band.color), bandWidth * r(), Qt::SolidLine, Qt::FlatCap));
            painter_.setBrush(Qt::NoBrush);
            const double start = dial_.angleOf(low);
            painter_.drawArc(dial_.circle(bandRadius), static_cast<int>(std::lround(start * 16)),
                             static_cast<int>(std::lround((dial_.angleOf(high) - start) * 16)));
        }
    }

    void paintTicks() {
        const ScaleSteps steps = scaleSteps(state_.fullScale(), dial_.small() ? 4 : 6);
        if (!(steps.major > 0)) {
            return; // a scale too fine for a double to step through
        }
        const double minorStep = steps.major / steps.minorPerMajor;
        painter_.setPen(QPen(colors_.ink, std::max(1.0, 0.018 * r()), Qt::SolidLine, Qt::FlatCap));
        for (int i = 0; i <= stepsIn(state_.fullScale(), minorStep); ++i) {
            if (i % steps.minorPerMajor != 0) {
                const double angle = dial_.angleOf(i * minorStep);
                painter_.drawLine(dial_.pointAt(angle, 0.82), dial_.pointAt(angle, 0.75));
            }
        }
        painter_.setPen(QPen(colors_.ink, std::max(1.5, 0.04 * r()), Qt::SolidLine, Qt::FlatCap));
        for (int i = 0; i <= stepsIn(state_.fullScale(), steps.major); ++i) {
            const double angle = dial_.angleOf(i * steps.major);
            painter_.drawLine(dial_.pointAt(angle, 0.84), dial_.pointAt(angle, 0.68));
        }
    }

    // The numbers go over the needle with a rim of the face's colour, so the one the needle rests on
    // stays readable.
    void paintScaleLabels() {
        painter_.setFont(layout_.scaleFont);
        const QFontMetricsF metrics(layout_.scaleFont);
        for (const GaugeLayout::ScaleLabel& label : layout_.scaleLabels) {
            QPainterPath glyphs;
            const QPointF baseline(label.box.center().x() - metrics.horizontalAdvance(label.text) / 2,
                                   label.box.center().y() + metrics.capHeight() / 2);
            glyphs.addText(baseline, layout_.scaleFont, label.text);
            painter_.setBrush(Qt::NoBrush);
            painter_.setPen(QPen(colors_.faceCentre, std::max(2.0, 0.05 * r()), Qt::SolidLine, Qt::RoundCap,
                                 Qt::RoundJoin));
            painter_.drawPath(glyphs);
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(colors_.ink);
            painter_.drawPath(glyphs);
        }
    }

    // The value and its unit on one line in the open quarter at the bottom, below the ends of the bands
    // and the scale and clear of the needle's usual path: the value bold, the unit smaller on its
    // baseline. What does not fit inside the face at that height loses the unit first, then is cut
    // with an ellipsis.
    void paintReading() {
        constexpr double belowBandEnds = 0.58; // the bands' outer ends lie 0.57 of the radius down
        constexpr double textRadius = faceRadius - 0.02;
        const QString value = readingOf(state_);
        const QString unit = QString::fromStdString(state_.unit());
        const QFont valueFont = dial_.fontOf(base_, 0.21, 10, true);
        const QFont unitFont = dial_.fontOf(base_, 0.13, 8, false);
        const QFontMetricsF valueMetrics(valueFont);
        const QFontMetricsF unitMetrics(unitFont);

        const double gap = unit.isEmpty() ? 0 : unitMetrics.horizontalAdvance(QLatin1Char(' ')) * 0.6;
        double valueWidth = valueMetrics.horizontalAdvance(value);
        double unitWidth = unit.isEmpty() ? 0 : unitMetrics.horizontalAdvance(unit);
        // On a small dial the line moves further down until it clears the numbers at the scale's ends.
        double top = dial_.centre().y() + belowBandEnds * r();
        const double halfWidth = (valueWidth + gap + unitWidth) / 2;
        for (const GaugeLayout::ScaleLabel& label : layout_.scaleLabels) {
            if (label.box.right() > dial_.centre().x() - halfWidth &&
                label.box.left() < dial_.centre().x() + halfWidth) {
                top = std::max(top, label.box.bottom() + 1);
            }
        }
        const double baseline = top + valueMetrics.capHeight();
        const double farthest = (baseline - dial_.centre().y()) / r();
        const double room = 2 * r() * std::sqrt(std::max(0.0, textRadius * textRadius - farthest * farthest));
        QString shownValue = value;
        if (valueWidth + gap + unitWidth > room) {
            unitWidth = 0;
            shownValue = valueMetrics.elidedText(value, Qt::ElideRight, room);
            valueWidth = valueMetrics.horizontalAdvance(shownValue);
        }
        const double left = dial_.centre().x() - (valueWidth + (unitWidth > 0 ? gap + unitWidth : 0)) / 2;
        painter_.setFont(valueFont);
        painter_.setPen(colors_.valueInk);
        painter_.drawText(QPointF(left, baseline), shownValue);
        if (unitWidth > 0) {
            painter_.setFont(unitFont);
            painter_.setPen(colors_.ink);
            painter_.drawText(QPointF(left + valueWidth + gap, baseline), unit);
        }
    }

    void paintCaption() {
        if (layout_.captionBox.isEmpty()) {
            return;
        }
        painter_.setFont(layout_.captionFont);
        painter_.setPen(colors_.captionInk);
        painter_.drawText(layout_.captionBox, Qt::AlignCenter, layout_.caption);
    }

    void paintNeedle() {
        const QColor needle = toQColor(state_.needleColor());
        QPainterPath shape;
        shape.moveTo(0.74 * r(), 0);
        shape.lineTo(0, -0.045 * r());
        shape.lineTo(-0.18 * r(), -0.03 * r());
        shape.lineTo(-0.18 * r(), 0.03 * r());
        shape.lineTo(0, 0.045 * r());
        shape.closeSubpath();

        painter_.save();
        painter_.translate(dial_.centre());
        painter_.rotate(-dial_.angleOf(state_.value()));
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(QColor(0, 0, 0, 50));
        painter_.drawPath(shape.translated(0.015 * r(), 0.03 * r()));
        painter_.setPen(QPen(needle.darker(160), std::max(1.0, 0.012 * r())));
        painter_.setBrush(needle);
        painter_.drawPath(shape);
        painter_.restore();

        QRadialGradient hub(dial_.centre() - QPointF(0.03, 0.03) * r(), 0.12 * r());
        hub.setColorAt(0, needle.lighter(150));
        hub.setColorAt(1, needle.darker(220));
        painter_.setPen(QPen(needle.darker(250), std::max(1.0, 0.012 * r())));
        painter_.setBrush(hub);
        painter_.drawEllipse(dial_.circle(0.10));
    }

    QPainter& painter_;
    QFont base_;
    const NeedleGaugeState& state_;
    const GaugeLayout& layout_;
    DialGeometry dial_;
    DialColors colors_;
};

} // namespace

GaugeLayout gaugeLayout(const NeedleGaugeState& state, const QSizeF& size, const QFont& base) {
    GaugeLayout layout;
    const QRectF area = QRectF(QPointF(0, 0), size).adjusted(1, 1, -1, -1);
    QRectF dialArea = area;
    const QString caption = QString::fromStdString(state.caption());
    if (!caption.isEmpty()) {
        layout.captionFont = base;
        layout.captionFont.setPixelSize(captionPixels(size));
        layout.captionFont.setBold(true);
        const QFontMetricsF metrics(layout.captionFont);
        const double lineHeight = std::ceil(metrics.height());
        layout.captionBox = QRectF(area.left(), area.bottom() - lineHeight, area.width(), lineHeight);
        layout.caption = metrics.elidedText(caption, Qt::ElideRight, area.width());
        dialArea.setBottom(layout.captionBox.top());
    }
    const double side = std::max(0.0, std::min(dialArea.width(), dialArea.height()));
    layout.dial = QRectF(0, 0, side, side);
    // The dial stands on its caption's line, or in the middle when it has none.
    layout.dial.moveCenter(caption.isEmpty() ? dialArea.center()
                                             : QPointF(dialArea.center().x(), dialArea.bottom() - side / 2));

    const DialGeometry dial(state, layout.dial);
    layout.scaleFont = dial.fontOf(base, dial.small() ? 0.2 : 0.16, 8, false);
    const ScaleSteps steps = scaleSteps(state.fullScale(), dial.small() ? 4 : 6);
    if (!dial.hasScale() || !(steps.major > 0)) {
        return layout;
    }
    const QFontMetricsF metrics(layout.scaleFont);
    for (int i = 0; i <= stepsIn(state.fullScale(), steps.major); ++i) {
        const double value = i * steps.major;
        const double angle = dial.angleOf(value);
        // The number's box keeps a fixed gap inside the ticks, whatever its width.
        const QString text = QString::fromStdString(generalNumber(value));
        const QSizeF box(metrics.horizontalAdvance(text), metrics.capHeight());
        const double radians = angle * std::numbers::pi / 180;
        const double reach =
            std::abs(std::cos(radians)) * box.width() / 2 + std::abs(std::sin(radians)) * box.height() / 2;
        QRectF at(QPointF(), box);
        at.moveCenter(dial.pointAt(angle, 0.64 - reach / dial.radius()));
        layout.scaleLabels.push_back({text, at});
    }
    return layout;
}

bool GaugeLook::sameDial(const GaugeLook& other) const {
    return size == other.size && pixelRatio == other.pixelRatio && font == other.font &&
           fullScale == other.fullScale && bands == other.bands && caption == other.caption &&
           unit == other.unit && needleColor == other.needleColor && greyed == other.greyed;
}

NeedleGaugeWidget::NeedleGaugeWidget(const forms::NeedleGaugeState& state, QWidget* parent)
    : QWidget(parent), state_(state) {}

GaugeLook NeedleGaugeWidget::lookNow() const {
    GaugeLook look;
    look.size = size();
    look.pixelRatio = devicePixelRatioF();
    look.font = font();
    look.fullScale = state_.fullScale();
    for (int i = 0; i < NeedleGaugeState::bandCount; ++i) {
        look.bands[static_cast<std::size_t>(i)] = state_.band(i);
    }
    look.caption = state_.caption();
    look.unit = state_.unit();
    look.needleColor = state_.needleColor();
    look.greyed = state_.isGreyed();
    look.reading = readingOf(state_);
    const DialGeometry anyDial(state_, QRectF(0, 0, 1, 1));
    look.needleStep = std::lround(anyDial.angleOf(state_.value()) * 4);
    return look;
}

void NeedleGaugeWidget::refresh() {
    if (shown_ && *shown_ == lookNow()) {
        return;
    }
    update();
}

QSize NeedleGaugeWidget::sizeHint() const {
    return {120, 120};
}

QSize NeedleGaugeWidget::minimumSizeHint() const {
    return {80, 80};
}

void NeedleGaugeWidget::paintStillLayers(const GaugeLook& look) {
    layout_ = gaugeLayout(state_, size(), font());
    const auto layer = [&](void (DialPainter::*paint)()) {
        QPixmap pixmap(size() * look.pixelRatio);
        pixmap.setDevicePixelRatio(look.pixelRatio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(font());
        DialPainter dial(painter, state_, layout_);
        (dial.*paint)();
        return pixmap;
    };
    face_ = layer(&DialPainter::paintFace);
    overlay_ = layer(&DialPainter::paintOverlay);
}

void NeedleGaugeWidget::paintEvent(QPaintEvent*) {
    const GaugeLook look = lookNow();
    if (!shown_ || !shown_->sameDial(look)) {
        paintStillLayers(look);
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.drawPixmap(0, 0, face_);
    DialPainter(painter, state_, layout_).paintMovingParts();
    painter.drawPixmap(0, 0, overlay_);
    shown_ = look;
}

} // namespace usina::qt
