// Registry, lifecycle and dispatch of the window model.

#include "window_system.h"

#include "control.h"
#include "list_control.h"
#include "menu_item.h"
#include "observer.h"
#include "timer.h"

#include <algorithm>
#include <set>
#include <stdexcept>

namespace usina::forms {

WindowSystem::WindowSystem(Backend& backend) : backend_(backend) {}

WindowSystem::~WindowSystem() {
    observer_ = nullptr;
    graveyard_.clear();
    // Forms go in reverse order of loading would be nicer, but no form's destructor depends on another.
    live_.clear();
}

// ---- registry ------------------------------------------------------------------------------------

Form& WindowSystem::formByType(std::type_index type) {
    if (auto it = live_.find(type); it != live_.end()) {
        return *it->second;
    }
    if (ended_) {
        throw ProgramEnded{};
    }
    auto factory = factories_.find(type);
    if (factory == factories_.end()) {
        throw std::logic_error(std::string("form not defined: ") + type.name());
    }
    std::unique_ptr<Form> created = factory->second();
    Form& form = *created;
    live_[type] = std::move(created);
    load(form);
    return form;
}

Form& WindowSystem::form(const std::string& name) {
    const auto found = named_.find(name);
    if (found == named_.end()) {
        throw std::logic_error("form not defined: " + name);
    }
    return formByType(found->second);
}

Form* WindowSystem::peekByType(std::type_index type) const {
    auto it = live_.find(type);
    return it == live_.end() ? nullptr : it->second.get();
}

std::vector<Form*> WindowSystem::loadedForms() const {
    std::vector<Form*> forms;
    for (const auto& [type, form] : live_) {
        forms.push_back(form.get());
    }
    return forms;
}

void WindowSystem::load(Form& form) {
    form.loaded_ = true;
    notifyForm(form, FormEvent::Loaded);
    raise(form.name(), "Form_Load", [&form] { form.Form_Load(); });
}

// ---- lifecycle -----------------------------------------------------------------------------------

void WindowSystem::show(Form& form) {
    throwIfEnded();
    if (!form.loaded_) {
        return;
    }
    if (!form.visible_) {
        form.visible_ = true;
        notifyForm(form, FormEvent::Shown);
    }
    activateWithFocus(form);
}

void WindowSystem::showModal(Form& form) {
    throwIfEnded();
    if (!form.loaded_) {
        return;
    }
    form.modal_ = true;
    modalStack_.push_back(&form);
    notifyForm(form, FormEvent::Modal);
    show(form);
    waitNested([&] { backend_.runNestedLoop([&] { return ended_ || !form.loaded_ || !form.visible_; }); });
    form.modal_ = false;
    modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), &form), modalStack_.end());
}

void WindowSystem::hide(Form& form) {
    throwIfEnded();
    if (!form.visible_) {
        return;
    }
    form.visible_ = false;
    modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), &form), modalStack_.end());
    notifyForm(form, FormEvent::Hidden);
    // The next window takes the focus from this one's control in one move; with none left, the
    // control only loses it.
    if (!restoreActivationAfter(form)) {
        releaseFocusFrom(form, true);
    }
}

bool WindowSystem::unload(Form& form) {
    throwIfEnded();
    if (!form.loaded_) {
        return true;
    }
    int cancel = 0;
    raise(form.name(), "Form_Unload", [&] { form.Form_Unload(cancel); });
    if (cancel != 0) {
        return false;
    }
    if (!form.loaded_) {
        return true;
    }
    for (Control* c : form.controls_) {
        if (auto* timer = dynamic_cast<Timer*>(c)) {
            timer->setEnabled(false);
        }
    }
    if (focused_ != nullptr && &focused_->form() == &form) {
        focused_ = nullptr;
        if (observer_ != nullptr) {
            observer_->focusChanged(nullptr);
        }
    }
    const bool wasVisible = form.visible_;
    form.visible_ = false;
    modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), &form), modalStack_.end());
    notifyForm(form, FormEvent::Unloaded);
    form.loaded_ = false;
    for (auto it = live_.begin(); it != live_.end(); ++it) {
        if (it->second.get() == &form) {
            graveyard_.push_back(std::move(it->second));
            live_.erase(it);
            break;
        }
    }
    if (wasVisible) {
        restoreActivationAfter(form);
    } else {
        activationHistory_.erase(std::remove(activationHistory_.begin(), activationHistory_.end(), &form),
                                 activationHistory_.end());
        if (activeForm_ == &form) {
            activeForm_ = nullptr;
        }
    }
    return true;
}

void WindowSystem::endProgram() {
    ended_ = true;
    for (const auto& [type, form] : live_) {
        for (Control* c : form->controls_) {
            if (auto* timer = dynamic_cast<Timer*>(c)) {
                backend_.timerDestroyed(*timer);
            }
        }
    }
    backend_.quit();
    throw ProgramEnded{};
}

// ---- activation ----------------------------------------------------------------------------------

void WindowSystem::activate(Form& form) {
    if (activeForm_ == &form) {
        return;
    }
    activeForm_ = &form;
    activationHistory_.erase(std::remove(activationHistory_.begin(), activationHistory_.end(), &form),
                             activationHistory_.end());
    activationHistory_.push_back(&form);
    notifyForm(form, FormEvent::Activated);
    raise(form.name(), "Form_Activate", [&form] { form.Form_Activate(); });
}

bool WindowSystem::restoreActivationAfter(Form& leaving) {
    activationHistory_.erase(std::remove(activationHistory_.begin(), activationHistory_.end(), &leaving),
                             activationHistory_.end());
    if (activeForm_ != &leaving) {
        return false;
    }
    activeForm_ = nullptr;
    for (auto it = activationHistory_.rbegin(); it != activationHistory_.rend(); ++it) {
        Form* candidate = *it;
        if (candidate->loaded_ && candidate->visible_) {
            moveFocus(*candidate, firstFocusable(*candidate));
            return true;
        }
    }
    return false;
}

void WindowSystem::releaseFocusFrom(Form& leaving, bool raiseLostFocus) {
    if (focused_ == nullptr || &focused_->form() != &leaving) {
        return;
    }
    Control* old = focused_;
    focused_ = nullptr;
    if (observer_ != nullptr) {
        observer_->focusChanged(nullptr);
    }
    if (raiseLostFocus) {
        raiseLostFocusOf(*old);
    }
}

void WindowSystem::raiseLostFocusOf(Control& old) {
    if (auto* combo = dynamic_cast<ComboBox*>(&old)) {
        combo->setDroppedDown(false);
    }
    old.raise(old.LostFocus, "LostFocus");
}

Control* WindowSystem::firstFocusable(Form& form) const {
    if (form.lastFocused_ != nullptr && form.lastFocused_->canTakeFocus()) {
        return form.lastFocused_;
    }
    for (Control* c : tabOrder(form)) {
        if (c->tabStop() && c->canTakeFocus()) {
            return c;
        }
    }
    return nullptr;
}

void WindowSystem::activateWithFocus(Form& form) {
    if (focused_ != nullptr && &focused_->form() == &form) {
        activate(form);
        return;
    }
    moveFocus(form, firstFocusable(form));
}

bool WindowSystem::acceptsInput(const Form& form) const {
    if (ended_ || !form.loaded_ || !form.visible_ || !form.enabled_) {
        return false;
    }
    return modalStack_.empty() || modalStack_.back() == &form;
}

// ---- dispatch ------------------------------------------------------------------------------------

void WindowSystem::throwIfEnded() const {
    if (ended_) {
        throw ProgramEnded{};
    }
}

void WindowSystem::raise(const std::string& formName, const std::string& handlerName,
                         const std::function<void()>& handler) {
    if (ended_) {
        if (depth_ > loopBase_.back()) {
            throw ProgramEnded{};
        }
        return;
    }
    if (!handler) {
        return; // an event the window has no handler for
    }
    const bool outermost = depth_ == loopBase_.back();
    ++depth_;
    frames_.push_back(HandlerSite{formName, handlerName});
    try {
        handler();
    } catch (const ProgramEnded&) {
        --depth_;
        frames_.pop_back();
        if (!outermost) {
            throw;
        }
        afterEvent();
        return;
    } catch (...) {
        std::exception_ptr error = std::current_exception();
        if (ended_) {
            // What fails after the end (a handler that caught the end ran on) is no error to report.
            --depth_;
            frames_.pop_back();
            errorOrigin_.reset();
            if (!outermost) {
                throw ProgramEnded{};
            }
            afterEvent();
            return;
        }
        if (!errorOrigin_ || errorOrigin_->error != error) {
            errorOrigin_ = ErrorOrigin{error, frames_.back()};
        }
        --depth_;
        frames_.pop_back();
        if (!outermost) {
            throw;
        }
        const HandlerSite site = errorOrigin_->site;
        errorOrigin_.reset();
        if (unhandledError_) {
            try {
                unhandledError_(error, site);
            } catch (const ProgramEnded&) {
                // Nothing runs after the end.
            } catch (...) {
                // Reporting failed too; the station runs on.
            }
        }
        afterEvent();
        return;
    }
    --depth_;
    frames_.pop_back();
    if (ended_ && !outermost) {
        // The handler caught the end and returned: the end unwinds on from here.
        throw ProgramEnded{};
    }
    if (outermost) {
        afterEvent();
    }
}

void WindowSystem::afterEvent() {
    if (depth_ != loopBase_.back()) {
        return;
    }
    runQueuedInput();
    if (depth_ == 0 && loopBase_.size() == 1) {
        graveyard_.clear();
    }
}

void WindowSystem::waitNested(const std::function<void()>& wait) {
    throwIfEnded();
    loopBase_.push_back(depth_);
    // A nested loop runs queued keystrokes of its own, also when it was entered from one of them.
    struct Level {
        WindowSystem& ws;
        bool draining;
        ~Level() {
            ws.loopBase_.pop_back();
            ws.drainingKeys_ = draining;
        }
    } level{*this, drainingKeys_};
    drainingKeys_ = false;
    wait();
    throwIfEnded();
}

void WindowSystem::timerTick(Timer& timer) {
    if (ended_ || !timer.form().isLoaded() || !timer.running() || ticking_.count(&timer) != 0) {
        return;
    }
    // A tick may unload the timer's own form: after the event the timer may be gone, so the guard
    // against re-entry is kept here, by address, and never touches the timer afterwards.
    ticking_.insert(&timer);
    struct Done {
        std::set<const Timer*>& ticking;
        const Timer* timer;
        ~Done() { ticking.erase(timer); }
    } done{ticking_, &timer};
    timer.raise(timer.Tick, "Timer");
}

// ---- services ------------------------------------------------------------------------------------

int WindowSystem::msgBox(const std::string& prompt, int style, const std::string& title) {
    int answer = msgbox::ok;
    waitNested([&] { answer = backend_.messageBox(MessageBoxRequest{prompt, style, title}); });
    return answer;
}

void WindowSystem::beep() {
    backend_.beep();
}

int WindowSystem::screenWidthTwips() const {
    return backend_.screenWidthPixels() * twipsPerPixelX;
}

void WindowSystem::setMousePointer(MousePointer p) {
    backend_.setMousePointer(p);
}

void WindowSystem::doEvents() {
    waitNested([&] {
        runQueuedInput();
        backend_.processPendingEvents();
    });
}

void WindowSystem::printForm(Form& form) {
    throwIfEnded();
    backend_.printFormImage(form);
}

// ---- notifications -------------------------------------------------------------------------------

void WindowSystem::notifyControl(Control& c, Property p) {
    if (observer_ != nullptr) {
        observer_->controlChanged(c, p);
    }
}

void WindowSystem::notifyMenu(MenuItem& m, Property p) {
    if (observer_ != nullptr) {
        observer_->menuChanged(m, p);
    }
}

void WindowSystem::notifyForm(Form& f, FormEvent e) {
    if (observer_ != nullptr) {
        observer_->formChanged(f, e);
    }
}

void WindowSystem::controlDestroyed(Control& c) {
    if (focused_ == &c) {
        focused_ = nullptr;
    }
    if (focusMove_.target == &c) {
        focusMove_.target = nullptr;
    }
}

} // namespace usina::forms
