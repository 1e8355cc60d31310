#pragma once
// Helpers for the windows' design: a control's container, place and design text in one line.

#include "platform/forms/control.h"

#include <string>

namespace usina::design {

// Puts a control into a container (a frame) at pixel geometry relative to it; nullptr = the form.
template <class C> C& place(C& control, forms::Control* container, int left, int top, int width, int height) {
    if (container != nullptr) {
        control.setContainer(*container);
    }
    control.setGeometry(left, top, width, height);
    return control;
}

// The same with a caption (labels, frames, buttons, check boxes).
template <class C>
C& captioned(C& control, forms::Control* container, int left, int top, int width, int height,
             std::string caption) {
    place(control, container, left, top, width, height);
    control.setCaption(std::move(caption));
    return control;
}

inline forms::Font boldFont(double pointSize = 8.25) {
    return forms::Font{"MS Sans Serif", pointSize, true};
}

} // namespace usina::design
