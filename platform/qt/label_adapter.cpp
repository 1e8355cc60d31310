// A label: its caption wrapped at words within its place, on a transparent or filled background. An
// access key in the caption is the model's (Alt with it focuses the next control); "&" marks are not
// shown.

#include "platform/forms/accelerator.h"
#include "platform/forms/label.h"
#include "platform/qt/control_adapter.h"
#include "platform/qt/control_adapters.h"
#include "platform/qt/form_window.h"
#include "platform/qt/look.h"
#include "platform/qt/text_positions.h"

#include <QLabel>

namespace usina::qt {

namespace {

class LabelAdapter : public ControlAdapter {
public:
    LabelAdapter(FormWindow& window, forms::Label& label)
        : ControlAdapter(window, label), widget_(new QLabel(window.clientArea())) {
        widget_->setTextFormat(Qt::PlainText);
        widget_->setWordWrap(true);
        if (label.bordered()) {
            widget_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            widget_->setLineWidth(1);
        }
        adopt(widget_);
    }

    bool isGraphical() const override { return true; }

    void apply(forms::Property property) override {
        const auto* label = static_cast<const forms::Label*>(control());
        if (label == nullptr) {
            return;
        }
        switch (property) {
        case forms::Property::Caption:
            widget_->setText(toQString(forms::withoutAcceleratorMarks(label->caption())));
            break;
        case forms::Property::Alignment:
            widget_->setAlignment(horizontalAlignment(label->alignment()) | Qt::AlignTop);
            break;
        default:
            ControlAdapter::apply(property);
        }
    }

protected:
    bool fillsBackground() const override {
        return !static_cast<const forms::Label*>(control())->transparent();
    }

    bool mouseInput(QObject*, QMouseEvent& event) override { return forwardClicks(event); }

private:
    QLabel* widget_;
};

} // namespace

ControlAdapter* makeLabelAdapter(FormWindow& window, forms::Control& control) {
    return new LabelAdapter(window, static_cast<forms::Label&>(control));
}

} // namespace usina::qt
