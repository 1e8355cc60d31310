// A horizontal scroll bar. The person's step (an arrow, a page) is one change for the model; a drag
// shows itself and is one change when the thumb is let go. The bar always comes back to the model's
// value; the wheel and Qt's keyboard stepping never move it.

#include "platform/forms/scroll_bar.h"
#include "platform/forms/window_system.h"
#include "platform/qt/control_adapter.h"
#include "platform/qt/control_adapters.h"
#include "platform/qt/form_window.h"

#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

namespace usina::qt {

namespace {

class ScrollBarAdapter : public ControlAdapter {
public:
    ScrollBarAdapter(FormWindow& window, forms::ScrollBar& bar)
        : ControlAdapter(window, bar), bar_(new QScrollBar(Qt::Horizontal, window.clientArea())) {
        adopt(bar_);
        connect(bar_, &QAbstractSlider::actionTriggered, this,
                [this](int action) { steppedByPerson(action); });
        connect(bar_, &QAbstractSlider::sliderReleased, this, [this] { draggedByPerson(); });
    }

    void apply(forms::Property property) override {
        const forms::ScrollBar* bar = model();
        if (bar == nullptr) {
            return;
        }
        switch (property) {
        case forms::Property::Range:
            showRange(*bar);
            break;
        case forms::Property::Value:
            // A drag under way keeps the thumb where the person holds it; its release brings it back.
            if (!bar_->isSliderDown()) {
                bar_->setValue(bar->value());
            }
            break;
        default:
            ControlAdapter::apply(property);
        }
    }

protected:
    bool consumesWheel() const override { return true; }

    bool mouseInput(QObject*, QMouseEvent& event) override {
        // The steps are the model's at the moment the person acts (they change without notice).
        if (event.type() == QEvent::MouseButtonPress) {
            showRange(*model());
        }
        return false;
    }

private:
    forms::ScrollBar* model() const { return static_cast<forms::ScrollBar*>(control()); }

    void showRange(const forms::ScrollBar& bar) {
        // A minimum above the maximum runs the bar the other way round.
        bar_->setInvertedAppearance(bar.min() > bar.max());
        bar_->setRange(std::min(bar.min(), bar.max()), std::max(bar.min(), bar.max()));
        bar_->setSingleStep(bar.smallChange());
        bar_->setPageStep(bar.largeChange());
        bar_->setValue(bar.value());
    }

    void steppedByPerson(int action) {
        if (action == QAbstractSlider::SliderNoAction ||
            (action == QAbstractSlider::SliderMove && bar_->isSliderDown())) {
            return;
        }
        // The slider has moved by the step but not yet taken the value: the model says what it is.
        handToModel();
        if (const forms::ScrollBar* bar = model()) {
            bar_->setSliderPosition(bar->value());
        }
    }

    void draggedByPerson() {
        handToModel();
        if (const forms::ScrollBar* bar = model()) {
            bar_->setValue(bar->value());
        }
    }

    void handToModel() {
        if (forms::ScrollBar* bar = model()) {
            bar->windowSystem().scrollTo(*bar, bar_->sliderPosition());
        }
    }

    QScrollBar* bar_;
};

} // namespace

ControlAdapter* makeScrollBarAdapter(FormWindow& window, forms::Control& control) {
    return new ScrollBarAdapter(window, static_cast<forms::ScrollBar&>(control));
}

} // namespace usina::qt
