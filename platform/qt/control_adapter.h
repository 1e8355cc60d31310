#pragma once
// What every control's adapter does: it owns the control's widget, shows the model's properties on it
// as they change, and hands what the person does with it to the model. Qt never edits, steps, checks
// or focuses a widget on its own; the adapter waits for the model to say so.

#include "platform/forms/control.h"

#include <QAbstractScrollArea>
#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QRect>
#include <QWidget>

class QMouseEvent;

namespace usina::forms {
class WindowSystem;
}

namespace usina::qt {

class FormWindow;

class ControlAdapter : public QObject {
public:
    ControlAdapter(FormWindow& window, forms::Control& control);

    // The model's control, nullptr once its form is unloaded.
    forms::Control* control() const { return control_; }
    QWidget* widget() const { return widget_; }
    // The widget that holds Qt's focus while the model's focus is on this control.
    virtual QWidget* focusTarget() const { return widget_; }
    // Controls placed in this one (a frame, a picture) are children of this widget.
    QWidget* childArea() const { return widget_; }
    // Drawn on the container's surface, below every windowed control (labels, shapes, images).
    virtual bool isGraphical() const { return false; }
    // Where the widget goes inside its container.
    virtual QRect widgetRect() const;

    // Shows one property as the model has it now.
    virtual void apply(forms::Property property);
    void applyAll();
    // The model's focus came here and Qt's focus followed it.
    virtual void focusArrived() {}
    // The form is unloaded: nothing of the model may be touched any more.
    void detach() { control_ = nullptr; }

protected:
    // Takes the kind's widget: no focus of Qt's own, its input filtered.
    void adopt(QWidget* widget);
    // Filters a further widget inside the kind's widget (a line edit, a list's viewport).
    void watch(QWidget* inner);
    // A list's own scroll bars offer no menu of the toolkit's, which would speak English.
    static void withoutScrollBarMenus(QAbstractScrollArea& area);
    forms::WindowSystem& windowSystem() const;

    // Mouse input while the form takes input; true uses it up.
    virtual bool mouseInput(QObject* watched, QMouseEvent& event);
    // True for kinds whose choice or value the wheel must not change.
    virtual bool consumesWheel() const { return false; }
    // Labels, frames and pictures do nothing of their own with the mouse: a click is the model's.
    bool forwardClicks(QMouseEvent& event);

    // The palette roles the widget paints its back colour and its fore colour with.
    struct ColorRoles {
        QPalette::ColorRole background = QPalette::Window;
        QPalette::ColorRole foreground = QPalette::WindowText;
    };
    virtual ColorRoles colorRoles() const { return {}; }
    // False where what lies below shows through the widget.
    virtual bool fillsBackground() const { return false; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FormWindow& window_;
    forms::Control* control_;
    QPointer<QWidget> widget_;
};

} // namespace usina::qt
