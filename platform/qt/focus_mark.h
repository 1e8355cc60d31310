#pragma once
// The mark around the control that has the keyboard focus: a frame in the highlight colour just
// outside the control's widget, the same for every kind (the style's own marks are faint or, on a
// scroll bar, missing). It lets the mouse through and follows the widget as it moves or hides.

#include <QPointer>
#include <QWidget>

namespace usina::qt {

class FocusMark : public QWidget {
    Q_OBJECT

public:
    FocusMark();

    // Frames `target` (nullptr: nobody), from inside the target's parent.
    void follow(QWidget* target);
    QWidget* target() const { return target_; }
    // Places the frame again where the target is now.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<QWidget> target_;
};

} // namespace usina::qt
