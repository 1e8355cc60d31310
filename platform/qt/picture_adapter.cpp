// Pictures and images: the named picture painted into the control's place. A picture box has its
// back colour and a sunken border and can hold other controls; an image is neither.

#include "platform/forms/decoration.h"
#include "platform/qt/control_adapter.h"
#include "platform/qt/control_adapters.h"
#include "platform/qt/form_window.h"
#include "platform/qt/named_pictures.h"
#include "platform/qt/text_positions.h"

#include <QPainter>
#include <QWidget>
#include <qdrawutil.h>

namespace usina::qt {

namespace {

class PaintedPicture : public QWidget {
public:
    PaintedPicture(bool bordered, QWidget* parent) : QWidget(parent), bordered_(bordered) {}

    void setPicture(const QString& name) {
        name_ = name;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int border = bordered_ ? 2 : 0;
        paintNamedPicture(painter, QRectF(rect().adjusted(border, border, -border, -border)), name_);
        if (bordered_) {
            qDrawShadePanel(&painter, rect(), palette(), true, border);
        }
    }

private:
    bool bordered_;
    QString name_;
};

class PictureAdapter : public ControlAdapter {
public:
    PictureAdapter(FormWindow& window, forms::Picture& picture)
        : ControlAdapter(window, picture),
          painted_(new PaintedPicture(picture.kind() == forms::ControlKind::Picture, window.clientArea())) {
        adopt(painted_);
    }

    bool isGraphical() const override { return control()->kind() == forms::ControlKind::Image; }

    void apply(forms::Property property) override {
        const auto* picture = static_cast<const forms::Picture*>(control());
        if (picture != nullptr && property == forms::Property::Picture) {
            painted_->setPicture(toQString(picture->picture()));
            return;
        }
        ControlAdapter::apply(property);
    }

protected:
    bool fillsBackground() const override { return !isGraphical(); }
    bool mouseInput(QObject*, QMouseEvent& event) override { return forwardClicks(event); }

private:
    PaintedPicture* painted_;
};

} // namespace

ControlAdapter* makePictureAdapter(FormWindow& window, forms::Control& control) {
    return new PictureAdapter(window, static_cast<forms::Picture&>(control));
}

} // namespace usina::qt
