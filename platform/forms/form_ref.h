#pragma once
// How to keep a window across events. A Form& lasts only until the outermost event after the form's
// unload has returned; a FormRef reaches the window through the registry at every use, so after an
// unload the next use loads a fresh one, as a touch by name did, and it never dangles.

#include "window_system.h"

namespace usina::forms {

template <class F> class FormRef {
public:
    explicit FormRef(WindowSystem& ws) : ws_(&ws) {}

    // The loaded form, loading it hidden when it is not.
    F& operator*() const { return ws_->form<F>(); }
    F* operator->() const { return &ws_->form<F>(); }
    // The loaded form or nullptr; never loads.
    F* peek() const { return ws_->peek<F>(); }

private:
    WindowSystem* ws_;
};

} // namespace usina::forms
