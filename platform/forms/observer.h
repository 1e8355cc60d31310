#pragma once
// How a renderer hears of every change of the model, so it shows it at once.

#include "property.h"

namespace usina::forms {

class Control;
class Form;
class MenuItem;

class ModelObserver {
public:
    virtual ~ModelObserver() = default;
    virtual void formChanged(Form& form, FormEvent event) = 0;
    virtual void controlChanged(Control& control, Property property) = 0;
    virtual void menuChanged(MenuItem& item, Property property) = 0;
    virtual void focusChanged(Control* focused) = 0;
};

} // namespace usina::forms
