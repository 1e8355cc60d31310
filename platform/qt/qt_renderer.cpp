#include "platform/qt/qt_renderer.h"

#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/forms/menu_item.h"
#include "platform/forms/window_system.h"
#include "platform/qt/control_adapter.h"
#include "platform/qt/form_window.h"
#include "platform/qt/text_positions.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>

namespace usina::qt {

QtRenderer::QtRenderer(forms::WindowSystem& ws) : ws_(ws) {
    ws_.setObserver(this);
    for (forms::Form* form : ws_.loadedForms()) {
        formChanged(*form, forms::FormEvent::Loaded);
        if (form->visible()) {
            formChanged(*form, forms::FormEvent::Shown);
        }
    }
    if (forms::Form* active = ws_.activeForm()) {
        formChanged(*active, forms::FormEvent::Activated);
    }
    focusChanged(ws_.focused());
}

QtRenderer::~QtRenderer() {
    if (ws_.observer() == this) {
        ws_.setObserver(nullptr);
    }
    for (auto& [form, window] : windows_) {
        if (window != nullptr) {
            window->detach();
            delete window.data();
        }
    }
}

FormWindow* QtRenderer::find(const forms::Form* form) const {
    auto it = windows_.find(form);
    return it == windows_.end() ? nullptr : it->second.data();
}

ControlAdapter* QtRenderer::adapterOf(const forms::Control& control) const {
    const FormWindow* window = find(&control.form());
    return window != nullptr ? window->adapterOf(control) : nullptr;
}

QWidget* QtRenderer::windowOf(const forms::Form& form) const {
    return find(&form);
}

QWidget* QtRenderer::widgetOf(const forms::Control& control) const {
    const ControlAdapter* adapter = adapterOf(control);
    return adapter != nullptr ? adapter->widget() : nullptr;
}

QAction* QtRenderer::actionOf(const forms::MenuItem& item) const {
    FormWindow* window = find(&item.form());
    return window != nullptr ? window->menus().actionOf(item) : nullptr;
}

void QtRenderer::formChanged(forms::Form& form, forms::FormEvent event) {
    if (event == forms::FormEvent::Loaded) {
        windows_[&form] = new FormWindow(*this, form);
        return;
    }
    FormWindow* window = find(&form);
    if (window == nullptr) {
        return;
    }
    switch (event) {
    case forms::FormEvent::Shown:
        window->showAsModel();
        break;
    case forms::FormEvent::Hidden:
        window->hideAsModel();
        break;
    case forms::FormEvent::Unloaded:
        // The unload may come from a handler of this very window: Qt deletes it once that returned.
        windows_.erase(&form);
        activationRequests_.forget(window);
        window->detach();
        window->hide();
        window->deleteLater();
        break;
    case forms::FormEvent::Activated:
        requestActivation(*window);
        break;
    case forms::FormEvent::Caption:
        window->setWindowTitle(toQString(form.caption()));
        break;
    case forms::FormEvent::Enabled:
        // A window out of use keeps its look (a red message stays readable): the model refuses its
        // input, and Qt is never told, since it would grey every text.
        break;
    case forms::FormEvent::Modal:
        window->showModality();
        break;
    case forms::FormEvent::Loaded:
        break;
    }
}

void QtRenderer::controlChanged(forms::Control& control, forms::Property property) {
    if (ControlAdapter* adapter = adapterOf(control)) {
        adapter->apply(property);
    }
}

void QtRenderer::menuChanged(forms::MenuItem& item, forms::Property property) {
    if (FormWindow* window = find(&item.form())) {
        window->menus().apply(item, property);
    }
}

void QtRenderer::focusChanged(forms::Control* focused) {
    for (auto& [form, window] : windows_) {
        if (window != nullptr) {
            window->markFocus(focused != nullptr && &focused->form() == form ? adapterOf(*focused) : nullptr);
        }
    }
    followModelFocus();
    if (focused != nullptr) {
        if (ControlAdapter* adapter = adapterOf(*focused)) {
            adapter->focusArrived();
        }
    }
}

void QtRenderer::followModelFocus() {
    const forms::Control* focused = ws_.focused();
    const ControlAdapter* adapter = focused != nullptr ? adapterOf(*focused) : nullptr;
    QWidget* target = adapter != nullptr ? adapter->focusTarget() : nullptr;
    movingFocus_ = true;
    if (target != nullptr) {
        QWidget* effective = target;
        while (effective->focusProxy() != nullptr) {
            effective = effective->focusProxy();
        }
        // Not Tab's reason even after a Tab: a line edit would select its whole text on its own. The
        // focus mark is the renderer's, whatever the reason.
        if (!effective->hasFocus() || effective->window()->focusWidget() != effective) {
            target->setFocus(Qt::OtherFocusReason);
        }
    } else if (QWidget* current = QApplication::focusWidget()) {
        // No control has the model's focus: keys go to the window, which hands them to the model.
        auto* window = dynamic_cast<FormWindow*>(current->window());
        if (window != nullptr && current != window) {
            window->setFocus(Qt::OtherFocusReason);
        }
    }
    movingFocus_ = false;
}

void QtRenderer::followModelFocusLater() {
    QTimer::singleShot(0, &context_, [this] { followModelFocus(); });
}

void QtRenderer::qtFocusArrived(ControlAdapter& adapter, Qt::FocusReason reason) {
    forms::Control* control = adapter.control();
    if (movingFocus_ || control == nullptr || ws_.focused() == control) {
        return;
    }
    const bool byPerson = reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                          reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    if (byPerson) {
        ws_.focusByPerson(*control);
    }
    // A control the model refused does not keep Qt's focus.
    followModelFocusLater();
}

void QtRenderer::requestActivation(FormWindow& window) {
    if (window.isVisible() && !window.isActiveWindow()) {
        activationRequests_.requested(&window, std::chrono::steady_clock::now());
    }
    window.activateAsModel();
}

void QtRenderer::windowActivated(FormWindow& window) {
    const auto reading = activationRequests_.activated(&window, std::chrono::steady_clock::now());
    forms::Form* form = window.form();
    if (form == nullptr || ws_.activeForm() == form) {
        return;
    }
    if (reading != ActivationRequests::Reading::personChoice) {
        // The model has moved on since, or the window system picked a window of its own on the way.
        followModelActivation();
        return;
    }
    ws_.activateByPerson(*form);
    if (window.form() != nullptr && ws_.activeForm() != window.form()) {
        followModelActivation();
    }
}

void QtRenderer::followModelActivation() {
    forms::Form* active = ws_.activeForm();
    if (FormWindow* window = active != nullptr ? find(active) : nullptr) {
        requestActivation(*window);
    }
}

} // namespace usina::qt
