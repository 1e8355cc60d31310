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
};

DialColors dialColors(bool greyed) {
    if (greyed) {
        return {QColor(0xd6, 0xd6, 0xd6), QColor(0xb4, 0xb4, 0xb4), QColor(0x8c, 0x8c, 0x8c),
                QColor(0x8c, 0x8c, 0x8c)};
    }
    return {QColor(0xfd, 0xfd, 0xfa), QColor(0xe2, 0xe2, 0xdc), QColor(0x26, 0x28, 0x2c),
            QColor(0x10, 0x12, 0x16)};
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

class DialPainter {
public:
    DialPainter(QPainter& painter, const NeedleGaugeState& state, const QRectF& square)
        : painter_(painter), state_(state), centre_(square.center()), radius_(square.width() / 2),
          colors_(dialColors(state.isGreyed())), hasScale_(state.fullScale() > 0) {}

    void paint() {
        paintBezelAndFace();
        if (hasScale_) {
            paintBands();
            paintScale();
        }
        paintTexts();
        paintNeedle();
    }

private:
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

    QFont fontOf(double heightFraction, bool bold) const {
        QFont font = painter_.font();
        font.setPixelSize(std::max(7, static_cast<int>(std::lround(heightFraction * radius_))));
        font.setBold(bold);
        return font;
    }

    void paintBezelAndFace() {
        painter_.setPen(Qt::NoPen);
        QLinearGradient bezel(circle(1).topLeft(), circle(1).bottomRight());
        bezel.setColorAt(0, QColor(0x8a, 0x90, 0x98));
        bezel.setColorAt(0.5, QColor(0x4a, 0x4f, 0x56));
        bezel.setColorAt(1, QColor(0x22, 0x25, 0x29));
        painter_.setBrush(bezel);
        painter_.drawEllipse(circle(1));

        QRadialGradient face(centre_ - QPointF(0, 0.25 * radius_), 1.1 * radius_);
        face.setColorAt(0, colors_.faceCentre);
        face.setColorAt(1, colors_.faceEdge);
        painter_.setBrush(face);
        painter_.setPen(QPen(QColor(0x16, 0x18, 0x1b), std::max(1.0, 0.02 * radius_)));
        painter_.drawEllipse(circle(faceRadius));
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
            painter_.setPen(QPen(toQColor(band.color), bandWidth * radius_, Qt::SolidLine, Qt::FlatCap));
            painter_.setBrush(Qt::NoBrush);
            const double start = angleOf(low);
            painter_.drawArc(circle(bandRadius), static_cast<int>(std::lround(start * 16)),
                             static_cast<int>(std::lround((angleOf(high) - start) * 16)));
        }
    }

    void paintScale() {
        const bool small = radius_ < 50;
        const ScaleSteps steps = scaleSteps(state_.fullScale(), small ? 4 : 6);
        if (!(steps.major > 0)) {
            return; // a scale too fine for a double to step through
        }
        const double minorStep = steps.major / steps.minorPerMajor;
        // Counted, not summed up to the full scale, so no scale can make the loops endless.
        const auto stepsIn = [&](double step) {
            return static_cast<int>(std::min(100.0, std::floor(state_.fullScale() / step * (1 + 1e-9))));
        };

        painter_.setPen(QPen(colors_.ink, std::max(1.0, 0.018 * radius_), Qt::SolidLine, Qt::FlatCap));
        for (int i = 0; i <= stepsIn(minorStep); ++i) {
            if (i % steps.minorPerMajor != 0) {
                const double angle = angleOf(i * minorStep);
                painter_.drawLine(pointAt(angle, 0.82), pointAt(angle, 0.75));
            }
        }

        painter_.setPen(QPen(colors_.ink, std::max(1.5, 0.04 * radius_), Qt::SolidLine, Qt::FlatCap));
        painter_.setFont(fontOf(small ? 0.19 : 0.16, false));
        const QFontMetricsF metrics(painter_.font());
        for (int i = 0; i <= stepsIn(steps.major); ++i) {
            const double value = i * steps.major;
            const double angle = angleOf(value);
            painter_.drawLine(pointAt(angle, 0.84), pointAt(angle, 0.68));
            // The label's box keeps a fixed gap inside the ticks, whatever its width.
            const QString label = QString::fromStdString(generalNumber(value));
            const QSizeF size(metrics.horizontalAdvance(label), metrics.capHeight());
            const double radians = angle * std::numbers::pi / 180;
            const double reach = std::abs(std::cos(radians)) * size.width() / 2 +
                                 std::abs(std::sin(radians)) * size.height() / 2;
            QRectF box(QPointF(), QSizeF(size.width() + 4, metrics.height()));
            box.moveCenter(pointAt(angle, 0.64 - reach / radius_));
            painter_.drawText(box, Qt::AlignCenter, label);
        }
    }

    // One centred line, cut with an ellipsis to what fits inside the face at that height.
    void paintLine(const std::string& text, double centreFraction, double heightFraction, bool bold) {
        if (text.empty()) {
            return;
        }
        painter_.setFont(fontOf(heightFraction, bold));
        const QFontMetricsF metrics(painter_.font());
        constexpr double textRadius = faceRadius - 0.02;
        const double farthest = std::abs(centreFraction) + metrics.capHeight() / 2 / radius_;
        const double width =
            2 * radius_ * std::sqrt(std::max(0.0, textRadius * textRadius - farthest * farthest));
        QRectF box(QPointF(), QSizeF(width, metrics.height()));
        box.moveCenter(centre_ + QPointF(0, centreFraction * radius_));
        painter_.drawText(box, Qt::AlignCenter,
                          metrics.elidedText(QString::fromStdString(text), Qt::ElideRight, width));
    }

    // The value, its unit and the caption sit in the open quarter at the bottom, clear of the needle's
    // usual path and of the scale labels.
    void paintTexts() {
        // Small scales need the tenth to be readable; the temperatures show whole degrees.
        const char* mask = state_.fullScale() > 0 && state_.fullScale() < 10 ? "##0.0" : "##0";
        painter_.setPen(colors_.valueInk);
        paintLine(formatNumber(state_.value(), mask), 0.42, 0.21, true);
        painter_.setPen(colors_.ink);
        paintLine(state_.unit(), 0.60, 0.13, false);
        paintLine(state_.caption(), 0.77, 0.15, true);
    }

    void paintNeedle() {
        const QColor needle = toQColor(state_.needleColor());
        QPainterPath shape;
        shape.moveTo(0.74 * radius_, 0);
        shape.lineTo(0, -0.045 * radius_);
        shape.lineTo(-0.18 * radius_, -0.03 * radius_);
        shape.lineTo(-0.18 * radius_, 0.03 * radius_);
        shape.lineTo(0, 0.045 * radius_);
        shape.closeSubpath();

        painter_.save();
        painter_.translate(centre_);
        painter_.rotate(-angleOf(state_.value()));
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(QColor(0, 0, 0, 50));
        painter_.drawPath(shape.translated(0.015 * radius_, 0.03 * radius_));
        painter_.setPen(QPen(needle.darker(160), std::max(1.0, 0.012 * radius_)));
        painter_.setBrush(needle);
        painter_.drawPath(shape);
        painter_.restore();

        QRadialGradient hub(centre_ - QPointF(0.03, 0.03) * radius_, 0.12 * radius_);
        hub.setColorAt(0, needle.lighter(150));
        hub.setColorAt(1, needle.darker(220));
        painter_.setPen(QPen(needle.darker(250), std::max(1.0, 0.012 * radius_)));
        painter_.setBrush(hub);
        painter_.drawEllipse(circle(0.10));
    }

    QPainter& painter_;
    const NeedleGaugeState& state_;
    QPointF centre_;
    double radius_;
    DialColors colors_;
    bool hasScale_;
};

} // namespace

NeedleGaugeWidget::NeedleGaugeWidget(const forms::NeedleGaugeState& state, QWidget* parent)
    : QWidget(parent), state_(state) {}

void NeedleGaugeWidget::refresh() {
    update();
}

QSize NeedleGaugeWidget::sizeHint() const {
    return {120, 120};
}

QSize NeedleGaugeWidget::minimumSizeHint() const {
    return {80, 80};
}

void NeedleGaugeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    const double side = std::min(area.width(), area.height());
    QRectF square(0, 0, side, side);
    square.moveCenter(area.center());
    DialPainter(painter, state_, square).paint();
}

} // namespace usina::qt
