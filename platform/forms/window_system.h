#pragma once
// The runtime of the window model: the form registry (forms load on first touch and are destroyed
// after an unload once the running event has returned), focus and activation, keys, queued
// keystrokes, modal waits, and the outermost dispatch that catches what no handler trapped.

#include "backend.h"
#include "form.h"

#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <typeindex>
#include <vector>

namespace usina::forms {

class Control;
class MenuItem;
class ModelObserver;
class ScrollBar;
class Timer;
class ComboBox;
class ListBox;

// The end of the program. endProgram() sets the window system's end flag for good and throws this to
// unwind the running handlers; the outermost dispatch takes it. The flag, not the exception, is what
// ends the program: every dispatch checks it after its handler returns and unwinds on, and the
// services that show, hide, focus, wait or print throw this again once the end has come. So a
// handler that catches everything cannot keep the program alive, but the code after its catch still
// runs up to the end of that handler. Let it pass where you catch everything:
//     catch (const forms::ProgramEnded&) { throw; } catch (...) { ... }
struct ProgramEnded {};

struct HandlerSite {
    std::string form;
    std::string handler;
};

class WindowSystem {
public:
    explicit WindowSystem(Backend& backend);
    ~WindowSystem();
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;

    Backend& backend() const { return backend_; }
    void setObserver(ModelObserver* observer) { observer_ = observer; }
    ModelObserver* observer() const { return observer_; }

    // What to do with an error no handler trapped: log it and show it (the station decides how).
    using UnhandledErrorHandler = std::function<void(const std::exception_ptr&, const HandlerSite&)>;
    void setUnhandledErrorHandler(UnhandledErrorHandler h) { unhandledError_ = std::move(h); }

    // ---- registry -------------------------------------------------------------------------------
    template <class F> void define(std::function<std::unique_ptr<F>()> factory) {
        factories_[std::type_index(typeid(F))] = [factory] { return std::unique_ptr<Form>(factory()); };
    }
    // The same, also known by `name`: windows of a lower folder reach it so, as they cannot name its class.
    template <class F> void define(std::function<std::unique_ptr<F>()> factory, const std::string& name) {
        define<F>(std::move(factory));
        named_.insert_or_assign(name, std::type_index(typeid(F)));
    }
    // The loaded form, loading it hidden (its Form_Load runs) when it is not. The reference is for use
    // at once: after the form's unload it lasts only until the outermost event returns. Keep a
    // FormRef (form_ref.h) across events, never a Form& or a reference to one of its controls.
    template <class F> F& form() { return static_cast<F&>(formByType(std::type_index(typeid(F)))); }
    // The loaded form or nullptr; never loads.
    template <class F> F* peek() const { return static_cast<F*>(peekByType(std::type_index(typeid(F)))); }
    // The form defined under `name`, loading it as form<F>() does; a name nobody defined: logic_error.
    Form& form(const std::string& name);
    std::vector<Form*> loadedForms() const;

    // ---- lifecycle ------------------------------------------------------------------------------
    void show(Form& form);
    void showModal(Form& form);
    void hide(Form& form);
    // Form_Unload runs at once; the form is destroyed when the outermost event has returned.
    bool unload(Form& form);
    // Stops every timer and leaves the event loop; unwinds the running handlers (ProgramEnded).
    [[noreturn]] void endProgram();
    bool ended() const { return ended_; }

    // ---- focus ----------------------------------------------------------------------------------
    // Every move, within a window or across windows (a click, Tab, SetFocus, a window shown, hidden
    // or unloaded): LostFocus of the old control, then Form_Activate of the window that becomes
    // active, then GotFocus of the new control. False when the target did not get the focus.
    bool setFocus(Control& target);
    // Moves the focus to `target`; when that raises no GotFocus of it (it cannot take the focus now:
    // hidden, disabled, its window hidden or out of use; or it has the focus already; or a LostFocus
    // sent the focus elsewhere), runs `instead` as that control's GotFocus would run, so work that
    // hangs on the focus move (a list's reload) still happens. An empty `instead` runs the control's
    // own GotFocus handler. True when the focus moved there.
    bool setFocusOrRun(Control& target, const std::function<void()>& instead = {});
    Control* focused() const { return focused_; }
    Form* activeForm() const { return activeForm_; }

    // ---- what the person does (the renderer and tests call these) ---------------------------------
    // A key as KeyDown codes it, and the character it types (-1: none). Ctrl with a letter runs a menu
    // shortcut; Alt with a caption's access key (accelerator.h) clicks, ticks or focuses.
    void pressKey(int keyCode, int shift = 0, int windows1252Char = -1);
    // Types each character of a UTF-8 text as a key press.
    void typeText(const std::string& utf8);
    void click(Control& control);
    void doubleClick(Control& control);
    void clickMenu(MenuItem& item);
    void choose(ComboBox& combo, int index);
    void choose(ListBox& list, int index);
    void scrollTo(ScrollBar& bar, int value);
    void focusByPerson(Control& control);
    void selectByPerson(Control& textBox, int start, int length);
    void activateByPerson(Form& form);
    void closeByPerson(Form& form);
    // A form that takes input now: loaded, visible, enabled, and not behind a modal form.
    bool acceptsInput(const Form& form) const;

    // ---- services the windows use -----------------------------------------------------------------
    // Queues keystrokes ("{tab}", "{TAB}", "{Home}+{End}"), run after the running handler returns.
    void sendKeys(const std::string& keys);
    int msgBox(const std::string& prompt, int style, const std::string& title);
    void beep();
    // The screen width in twips (15 to a pixel) and the twips per pixel.
    int screenWidthTwips() const;
    static constexpr int twipsPerPixelX = 15;
    void setMousePointer(MousePointer p);
    // Lets queued keystrokes and due timer ticks run there and then, keystrokes first.
    void doEvents();
    void printForm(Form& form);

    // ---- plumbing for controls, timers and backends ----------------------------------------------
    // Runs a handler as an event: the outermost one catches what no handler trapped.
    void raise(const std::string& formName, const std::string& handlerName,
               const std::function<void()>& handler);
    void timerTick(Timer& timer);
    void notifyControl(Control& c, Property p);
    void notifyMenu(MenuItem& m, Property p);
    void notifyForm(Form& f, FormEvent e);
    void controlDestroyed(Control& c);
    // Runs queued keystrokes now (backends call it before due timer ticks).
    void runQueuedInput();

private:
    Form& formByType(std::type_index type);
    Form* peekByType(std::type_index type) const;
    void load(Form& form);
    void activate(Form& form);
    // Makes the form the active window, its last focused control (or the first in tab order) taking
    // the focus, in the order of every focus move.
    void activateWithFocus(Form& form);
    Control* firstFocusable(Form& form) const;
    // The one focus move: `target` on `window`, or the window itself when target is nullptr.
    bool moveFocus(Form& window, Control* target);
    // The next window in line becomes active; false when there was none.
    bool restoreActivationAfter(Form& leaving);
    void throwIfEnded() const;
    void afterEvent();
    void waitNested(const std::function<void()>& wait);
    void releaseFocusFrom(Form& leaving, bool raiseLostFocus);
    // The control loses the focus: its open list closes, then its LostFocus runs.
    void raiseLostFocusOf(Control& old);
    void clickDefaultButton(Form& form);
    // What the person does to a control that takes input now, run as an event of its own.
    void actOnControl(Control& c, const char* eventName, const std::function<void()>& act);
    void runKey(int keyCode, int shift, int windows1252Char);
    bool runMenuShortcut(int keyCode, int shift);
    bool runAccelerator(Form& form, int keyCode);
    void tabFrom(Control* from, bool backwards);
    void defaultKeyDown(Control& c, int keyCode, int shift);
    // True when the combo box used the key up.
    bool comboKeyDown(ComboBox& combo, int keyCode, int shift);
    void defaultKeyPress(Control& c, int keyAscii);
    const std::vector<Control*>& tabOrder(const Form& form) const;

    Backend& backend_;
    ModelObserver* observer_ = nullptr;
    UnhandledErrorHandler unhandledError_;

    std::map<std::type_index, std::function<std::unique_ptr<Form>()>> factories_;
    std::map<std::string, std::type_index> named_;
    std::map<std::type_index, std::unique_ptr<Form>> live_;
    std::vector<std::unique_ptr<Form>> graveyard_;

    Control* focused_ = nullptr;
    Form* activeForm_ = nullptr;
    std::vector<Form*> activationHistory_;
    std::vector<Form*> modalStack_;
    struct FocusMove {
        bool active = false;
        Control* target = nullptr;
    } focusMove_;

    int depth_ = 0;
    std::vector<int> loopBase_{0};
    std::vector<HandlerSite> frames_;
    struct ErrorOrigin {
        std::exception_ptr error;
        HandlerSite site;
    };
    std::optional<ErrorOrigin> errorOrigin_;
    struct QueuedKey {
        int keyCode;
        int shift;
        int character; // -1 for keys that type nothing
    };
    std::deque<QueuedKey> queuedKeys_;
    bool drainingKeys_ = false;
    std::set<const Timer*> ticking_;
    bool ended_ = false;
};

} // namespace usina::forms
