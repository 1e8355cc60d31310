// Shapes and lines: outlines in the fore colour, drawn on the container's surface; the mouse goes
// through them to what lies below.

#include "platform/forms/decoration.h"
#include "platform/qt/control_adapter.h"
#include "platform/qt/control_adapters.h"
#include "platform/qt/form_window.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace usina::qt {

namespace {

class PaintedShape : public QWidget {
public:
    PaintedShape(bool line, int penWidth, QWidget* parent)
        : QWidget(parent), line_(line), penWidth_(penWidth) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), penWidth_, Qt::SolidLine, Qt::SquareCap,
                            Qt::MiterJoin));
        const double half = penWidth_ / 2.0;
        const QRectF inside = QRectF(rect()).adjusted(half, half, -half, -half);
        if (line_) {
            painter.drawLine(inside.topLeft(), inside.bottomRight());
        } else {
            painter.drawRect(inside);
        }
    }

private:
    bool line_;
    int penWidth_;
};

class ShapeAdapter : public ControlAdapter {
public:
    ShapeAdapter(FormWindow& window, forms::Shape& shape)
        : ControlAdapter(window, shape), penWidth_(std::max(shape.borderWidth(), 1)),
          shape_(new PaintedShape(isLine(), penWidth_, window.clientArea())) {
        adopt(shape_);
    }

    bool isGraphical() const override { return true; }

    // A line runs from the geometry's top-left to its bottom-right; its pen needs room on both ends.
    QRect widgetRect() const override {
        if (!isLine()) {
            return ControlAdapter::widgetRect();
        }
        const forms::Rect& g = control()->geometry();
        return {g.left - penWidth_ / 2, g.top - penWidth_ / 2, std::max(g.width, 0) + penWidth_,
                std::max(g.height, 0) + penWidth_};
    }

    void apply(forms::Property property) override {
        ControlAdapter::apply(property);
        if (property == forms::Property::ForeColor && shape_ != nullptr) {
            shape_->update();
        }
    }

private:
    bool isLine() const { return control()->kind() == forms::ControlKind::Line; }

    int penWidth_;
    PaintedShape* shape_;
};

} // namespace

ControlAdapter* makeShapeAdapter(FormWindow& window, forms::Control& control) {
    return new ShapeAdapter(window, static_cast<forms::Shape&>(control));
}

} // namespace usina::qt
