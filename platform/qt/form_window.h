#pragma once
// The top-level window of one loaded form: the menu bar above a client area of the form's size, a
// widget per control at its pixel place inside its container, shown, hidden, activated and made
// modal as the model says. Closing it by the title bar asks the model.

#include "platform/qt/form_menus.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <map>
#include <memory>
#include <vector>

namespace usina::forms {
class Control;
class Form;
class MenuItem;
} // namespace usina::forms

namespace usina::qt {

class ControlAdapter;
class FocusMark;
class QtRenderer;

class FormWindow : public QWidget {
public:
    FormWindow(QtRenderer& renderer, forms::Form& form);
    ~FormWindow() override;

    // The model's form, nullptr once it is unloaded.
    forms::Form* form() const { return form_; }
    QtRenderer& renderer() const { return renderer_; }
    QWidget* clientArea() const { return client_; }
    ControlAdapter* adapterOf(const forms::Control& control) const;
    FormMenus& menus() { return menus_; }

    // Puts the control's widget into its container's widget at its place.
    void place(ControlAdapter& adapter);
    // The focus mark frames this control's widget (nullptr: none of this window's).
    void markFocus(const ControlAdapter* adapter);
    // A control moved, showed or hid: the mark follows its widget.
    void refreshFocusMark();
    // The window's image; without the focus mark for printing.
    QImage grabImage(bool withFocusMark);

    void showAsModel();
    void hideAsModel();
    void activateAsModel();
    // Application-modal while the model waits on this form.
    void showModality();
    // The form is unloaded: the window stays only until Qt deletes it and touches nothing of the model.
    void detach();

protected:
    bool event(QEvent* event) override;
    // A window out of use keeps its look; only its menu bar must refuse the person.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void restack();

    QtRenderer& renderer_;
    forms::Form* form_;
    QWidget* client_;
    FormMenus menus_;
    std::vector<ControlAdapter*> adapters_;
    std::map<const forms::Control*, ControlAdapter*> byControl_;
    QPointer<FocusMark> focusMark_;
    bool building_ = true;
    bool placed_ = false;
};

} // namespace usina::qt
