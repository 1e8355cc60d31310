// A frame: a group box with its caption; the controls placed in it are its children. An access key in
// the caption is the model's; the group box is given the caption without its "&" marks, so it takes no
// shortcut of its own.

#include "platform/forms/accelerator.h"
#include "platform/forms/frame.h"
#include "platform/qt/control_adapter.h"
#include "platform/qt/control_adapters.h"
#include "platform/qt/form_window.h"
#include "platform/qt/text_positions.h"

#include <QGroupBox>

namespace usina::qt {

namespace {

class FrameAdapter : public ControlAdapter {
public:
    FrameAdapter(FormWindow& window, forms::Frame& frame)
        : ControlAdapter(window, frame), box_(new QGroupBox(window.clientArea())) {
        adopt(box_);
    }

    void apply(forms::Property property) override {
        const auto* frame = static_cast<const forms::Frame*>(control());
        if (frame != nullptr && property == forms::Property::Caption) {
            box_->setTitle(toQString(forms::withoutAcceleratorMarks(frame->caption())));
            return;
        }
        ControlAdapter::apply(property);
    }

protected:
    bool fillsBackground() const override { return true; }
    bool mouseInput(QObject*, QMouseEvent& event) override { return forwardClicks(event); }

private:
    QGroupBox* box_;
};

} // namespace

ControlAdapter* makeFrameAdapter(FormWindow& window, forms::Control& control) {
    return new FrameAdapter(window, static_cast<forms::Frame&>(control));
}

} // namespace usina::qt
