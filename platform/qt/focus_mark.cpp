#include "platform/qt/focus_mark.h"

#include <QPainter>

namespace usina::qt {

namespace {

constexpr int gap = 1;
constexpr int thickness = 2;

} // namespace

FocusMark::FocusMark() {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusMark::follow(QWidget* target) {
    target_ = target;
    refresh();
}

void FocusMark::refresh() {
    QWidget* target = target_;
    if (target == nullptr || target->parentWidget() == nullptr || !target->isVisibleTo(target->window())) {
        hide();
        return;
    }
    if (parentWidget() != target->parentWidget()) {
        setParent(target->parentWidget());
    }
    const int margin = gap + thickness;
    setGeometry(target->geometry().adjusted(-margin, -margin, margin, margin));
    raise();
    show();
    update();
}

void FocusMark::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Active, QPalette::Highlight), thickness);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const double half = thickness / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

} // namespace usina::qt
