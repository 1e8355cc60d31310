#pragma once
// A window of the model. A form class declares its controls as members (with pixel geometry for an
// 800 by 600 screen) and overrides the handlers it has; the window system loads, shows and unloads it.

#include "color.h"
#include "property.h"

#include <string>
#include <vector>

namespace usina::forms {

class Control;
class MenuItem;
class WindowSystem;

enum class BorderStyle { Sizable, FixedSingle, FixedDialog };

class Form {
public:
    Form(WindowSystem& ws, std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    WindowSystem& windowSystem() const { return ws_; }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    void setClientSize(int width, int height);
    Color backColor() const { return backColor_; }
    void setBackColor(Color c) { backColor_ = c; }
    BorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(BorderStyle b) { borderStyle_ = b; }
    // The window sees key presses before its controls.
    bool keyPreview() const { return keyPreview_; }
    void setKeyPreview(bool k) { keyPreview_ = k; }
    // A form out of use takes no input and none of its controls takes the focus.
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    bool visible() const { return visible_; }
    bool isLoaded() const { return loaded_; }
    bool isModal() const { return modal_; }

    // Every control in declaration order (the order the translation walks).
    const std::vector<Control*>& controls() const { return controls_; }
    // The controls that have a tab index, in tab order (declaration order until a TabIndex is set).
    const std::vector<Control*>& tabOrder() const { return tabOrder_; }
    const std::vector<MenuItem*>& menuItems() const { return menuItems_; }
    std::vector<MenuItem*> menuBar() const;
    Control* findControl(const std::string& qualifiedName) const;
    MenuItem* findMenu(const std::string& name) const;
    Control* lastFocused() const { return lastFocused_; }

    void Show();
    void ShowModal();
    void Hide();
    // False when Form_Unload cancelled.
    bool Unload();

    // Handlers; a form overrides those it has.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload(int& Cancel) { (void)Cancel; }
    virtual void Form_KeyDown(int& KeyCode, int Shift) {
        (void)KeyCode;
        (void)Shift;
    }
    virtual void Form_KeyPress(int& KeyAscii) { (void)KeyAscii; }

private:
    friend class Control;
    friend class MenuItem;
    friend class WindowSystem;
    void registerControl(Control* c);
    void unregisterControl(Control* c);
    int tabIndexOf(const Control* c) const;
    void moveInTabOrder(Control* c, int index);
    void registerMenu(MenuItem* m);

    WindowSystem& ws_;
    std::string name_;
    std::string caption_;
    int clientWidth_ = 400;
    int clientHeight_ = 300;
    Color backColor_ = colors::buttonFace;
    BorderStyle borderStyle_ = BorderStyle::FixedSingle;
    bool keyPreview_ = false;
    bool enabled_ = true;
    bool visible_ = false;
    bool loaded_ = false;
    bool modal_ = false;
    std::vector<Control*> controls_;
    std::vector<Control*> tabOrder_;
    std::vector<MenuItem*> menuItems_;
    Control* lastFocused_ = nullptr;
};

} // namespace usina::forms
