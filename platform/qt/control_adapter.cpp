#include "platform/qt/control_adapter.h"

#include "platform/forms/form.h"
#include "platform/forms/window_system.h"
#include "platform/qt/form_window.h"
#include "platform/qt/key_forwarding.h"
#include "platform/qt/look.h"
#include "platform/qt/qt_renderer.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <array>

namespace usina::qt {

using forms::Property;

namespace {

constexpr std::array allProperties{
    Property::Geometry,  Property::Visible,   Property::Enabled, Property::Font,      Property::BackColor,
    Property::ForeColor, Property::Alignment, Property::Caption, Property::Items,     Property::Range,
    Property::ListIndex, Property::Value,     Property::Text,    Property::Selection, Property::Gauge,
    Property::Picture,   Property::Shortcut,  Property::Style,
};

bool isMouseEvent(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
}

} // namespace

ControlAdapter::ControlAdapter(FormWindow& window, forms::Control& control)
    : QObject(&window), window_(window), control_(&control) {}

forms::WindowSystem& ControlAdapter::windowSystem() const {
    return control_->windowSystem();
}

void ControlAdapter::adopt(QWidget* widget) {
    widget_ = widget;
    watch(widget);
}

void ControlAdapter::watch(QWidget* inner) {
    inner->setFocusPolicy(Qt::NoFocus);
    inner->setContextMenuPolicy(Qt::NoContextMenu);
    inner->setAcceptDrops(false);
    inner->installEventFilter(this);
}

void ControlAdapter::withoutScrollBarMenus(QAbstractScrollArea& area) {
    area.horizontalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
    area.verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
}

QRect ControlAdapter::widgetRect() const {
    const forms::Rect& g = control_->geometry();
    return {g.left, g.top, std::max(g.width, 0), std::max(g.height, 0)};
}

void ControlAdapter::applyAll() {
    for (const Property p : allProperties) {
        apply(p);
    }
}

void ControlAdapter::apply(Property property) {
    if (control_ == nullptr || widget_ == nullptr) {
        return;
    }
    switch (property) {
    case Property::Geometry:
        window_.place(*this);
        break;
    case Property::Visible:
        widget_->setVisible(control_->visible());
        window_.refreshFocusMark();
        break;
    case Property::Enabled:
        widget_->setEnabled(control_->enabled());
        break;
    case Property::Font:
        widget_->setFont(qtFont(control_->font()));
        break;
    case Property::BackColor:
    case Property::ForeColor: {
        const ColorRoles roles = colorRoles();
        paintWith(*widget_, roles.background, control_->backColor(), roles.foreground, control_->foreColor(),
                  fillsBackground());
        break;
    }
    default:
        break;
    }
}

bool ControlAdapter::mouseInput(QObject* /*watched*/, QMouseEvent& /*event*/) {
    return false;
}

bool ControlAdapter::forwardClicks(QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) {
        return true;
    }
    if (event.type() == QEvent::MouseButtonRelease && widget_->rect().contains(event.position().toPoint())) {
        windowSystem().click(*control_);
    } else if (event.type() == QEvent::MouseButtonDblClick) {
        windowSystem().doubleClick(*control_);
    }
    return true;
}

bool ControlAdapter::eventFilter(QObject* watched, QEvent* event) {
    if (control_ == nullptr) {
        return false;
    }
    forms::WindowSystem& ws = windowSystem();
    const QEvent::Type type = event->type();
    if (isMouseEvent(type)) {
        return !ws.acceptsInput(control_->form()) || mouseInput(watched, static_cast<QMouseEvent&>(*event));
    }
    switch (type) {
    case QEvent::Wheel:
        return consumesWheel() || !ws.acceptsInput(control_->form());
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::Drop:
        return true;
    case QEvent::FocusIn:
        window_.renderer().qtFocusArrived(*this, static_cast<QFocusEvent*>(event)->reason());
        return false;
    default:
        return forwardKeyEvent(ws, control_->form(), *event);
    }
}

} // namespace usina::qt
