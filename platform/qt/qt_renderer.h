#pragma once
// Shows the window model on screen: a top-level window for every loaded form, a widget for every
// control, updated property by property as the model changes; and hands what the person does (keys,
// clicks, choices, focus, activation, closing) to the model, which alone decides what follows.
//
// Destroy it before the window system it observes.

#include "platform/forms/observer.h"
#include "platform/qt/activation_requests.h"

#include <QObject>
#include <QPointer>

#include <chrono>
#include <map>
#include <vector>

class QAction;
class QWidget;

namespace usina::forms {
class WindowSystem;
}

namespace usina::qt {

class ControlAdapter;
class FormWindow;

class QtRenderer : public forms::ModelObserver {
public:
    // Observes `ws` from now on, and shows the forms it has loaded already.
    explicit QtRenderer(forms::WindowSystem& ws);
    ~QtRenderer() override;
    QtRenderer(const QtRenderer&) = delete;
    QtRenderer& operator=(const QtRenderer&) = delete;

    forms::WindowSystem& windowSystem() const { return ws_; }
    // nullptr when the form is not loaded, the control has no widget or the item no action.
    QWidget* windowOf(const forms::Form& form) const;
    QWidget* widgetOf(const forms::Control& control) const;
    QAction* actionOf(const forms::MenuItem& item) const;

    void formChanged(forms::Form& form, forms::FormEvent event) override;
    void controlChanged(forms::Control& control, forms::Property property) override;
    void menuChanged(forms::MenuItem& item, forms::Property property) override;
    void focusChanged(forms::Control* focused) override;

    // Qt gave a control's widget the focus: the person's doing goes to the model first; any other
    // (a window coming back from another program, a popup closing) only brings Qt back to the model.
    void qtFocusArrived(ControlAdapter& adapter, Qt::FocusReason reason);
    // Qt activated a window: the person's doing, unless it answers an activation the model asked for
    // or comes while the window system is still carrying one out.
    void windowActivated(FormWindow& window);

private:
    FormWindow* find(const forms::Form* form) const;
    ControlAdapter* adapterOf(const forms::Control& control) const;
    // Moves Qt's focus to the model's focused control (or the active window when none has it).
    void followModelFocus();
    void followModelFocusLater();
    void followModelActivation();
    void requestActivation(FormWindow& window);

    forms::WindowSystem& ws_;
    std::map<const forms::Form*, QPointer<FormWindow>> windows_;
    // Windows the model activated whose activation Qt has not reported yet.
    ActivationRequests activationRequests_;
    bool movingFocus_ = false;
    QObject context_;
};

} // namespace usina::qt
