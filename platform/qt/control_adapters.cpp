#include "platform/qt/control_adapters.h"

#include "platform/forms/control.h"

namespace usina::qt {

ControlAdapter* makeAdapter(FormWindow& window, forms::Control& control) {
    using Kind = forms::ControlKind;
    switch (control.kind()) {
    case Kind::Label:
        return makeLabelAdapter(window, control);
    case Kind::TextBox:
    case Kind::MaskedBox:
        return makeTextBoxAdapter(window, control);
    case Kind::CommandButton:
        return makeCommandButtonAdapter(window, control);
    case Kind::CheckBox:
        return makeCheckBoxAdapter(window, control);
    case Kind::OptionButton:
        return makeOptionButtonAdapter(window, control);
    case Kind::Frame:
        return makeFrameAdapter(window, control);
    case Kind::ComboBox:
        return makeComboBoxAdapter(window, control);
    case Kind::ListBox:
        return makeListBoxAdapter(window, control);
    case Kind::ScrollBar:
        return makeScrollBarAdapter(window, control);
    case Kind::Gauge:
        return makeGaugeAdapter(window, control);
    case Kind::Picture:
    case Kind::Image:
        return makePictureAdapter(window, control);
    case Kind::Shape:
    case Kind::Line:
        return makeShapeAdapter(window, control);
    case Kind::Timer:
        break;
    }
    return nullptr;
}

} // namespace usina::qt
