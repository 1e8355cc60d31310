#pragma once
// One adapter per control kind; timers have none (nothing to show).

namespace usina::forms {
class Control;
}

namespace usina::qt {

class ControlAdapter;
class FormWindow;

// The adapter of the control's kind, its widget a child of the window's client area; nullptr for kinds
// with nothing to show.
ControlAdapter* makeAdapter(FormWindow& window, forms::Control& control);

ControlAdapter* makeLabelAdapter(FormWindow& window, forms::Control& control);
ControlAdapter* makeTextBoxAdapter(FormWindow& window, forms::Control& control);
ControlAdapter* makeCommandButtonAdapter(FormWindow& window, forms::Control& control);
ControlAdapter* makeCheckBoxAdapter(FormWindow& window, forms::Control& control);
ControlAdapter* makeOptionButtonAdapter(FormWindow& window, forms::Control& control);
ControlAdapter* makeFrameAdapter(FormWindow& window, forms::Control& control);
ControlAdapter* makeComboBoxAdapter(FormWindow& window, forms::Control& control);
ControlAdapter* makeListBoxAdapter(FormWindow& window, forms::Control& control);
ControlAdapter* makeScrollBarAdapter(FormWindow& window, forms::Control& control);
ControlAdapter* makeGaugeAdapter(FormWindow& window, forms::Control& control);
ControlAdapter* makePictureAdapter(FormWindow& window, forms::Control& control);
ControlAdapter* makeShapeAdapter(FormWindow& window, forms::Control& control);

} // namespace usina::qt
