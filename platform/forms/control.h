#pragma once
// The base of every control of the window model: name and index, place, look, enabled and visible
// state, and the events every kind may raise. The model owns the state; renderers only observe it.

#include "color.h"
#include "property.h"

#include <functional>
#include <string>

namespace usina::forms {

class Form;
class WindowSystem;

enum class ControlKind {
    Label,
    TextBox,
    CommandButton,
    CheckBox,
    OptionButton,
    Frame,
    ComboBox,
    ListBox,
    ScrollBar,
    Timer,
    Gauge,
    MaskedBox,
    Picture,
    Image,
    Shape,
    Line,
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Font {
    std::string family = "MS Sans Serif";
    double pointSize = 8.25;
    bool bold = false;
};

enum class Alignment { Left, Right, Center };

class Control {
public:
    Control(Form& form, ControlKind kind, std::string name, int index = -1);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    // Index within its control array, -1 for a single control.
    int index() const { return index_; }
    // "txtumid(3)" or "CmdLiga": how the error log and tests name it.
    std::string qualifiedName() const;
    Form& form() const { return form_; }
    WindowSystem& windowSystem() const;

    // The frame (or picture) this control sits in; coordinates are relative to it.
    Control* container() const { return container_; }
    void setContainer(Control& frame);

    const Rect& geometry() const { return geometry_; }
    void setGeometry(int left, int top, int width, int height);

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // Visible and enabled up through its containers and its form.
    bool effectivelyVisible() const;
    bool effectivelyEnabled() const;

    Color backColor() const { return backColor_; }
    void setBackColor(Color c);
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color c);
    const Font& font() const { return font_; }
    void setFont(Font f);

    // The place in the form's tab order, 0 to count - 1; -1 for kinds without one (timers, shapes,
    // lines, images). Setting it moves the control there and shifts the others, as the old runtime did.
    int tabIndex() const;
    void setTabIndex(int i);
    bool hasTabIndex() const;
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool b) { tabStop_ = b; }

    // Kinds that can hold the focus at all.
    bool isFocusableKind() const;
    // It could take the focus now: a focusable kind, visible, enabled, on a loaded form in use.
    bool canTakeFocus() const;
    bool hasFocus() const;
    // Moves the focus here; false when it cannot take it (nothing is raised then).
    bool SetFocus();

    // Events; a form wires its handlers in its constructor.
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    std::function<void()> Change;
    std::function<void(int& keyCode, int shift)> KeyDown;
    std::function<void(int& keyCode, int shift)> KeyUp;
    std::function<void(int& keyAscii)> KeyPress;

    // Raises an event of this control through the window system (error attribution, program end).
    void raise(const std::function<void()>& handler, const char* eventName);

protected:
    void notify(Property p);

private:
    Form& form_;
    ControlKind kind_;
    std::string name_;
    int index_;
    Control* container_ = nullptr;
    Rect geometry_;
    bool visible_ = true;
    bool enabled_ = true;
    Color backColor_ = colors::buttonFace;
    Color foreColor_ = colors::buttonText;
    Font font_;
    bool tabStop_ = true;
};

} // namespace usina::forms
