#pragma once
// A headless window system on virtual time, with small forms whose handlers write what they see into
// one event log.

#include "platform/forms/check_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/form.h"
#include "platform/forms/label.h"
#include "platform/forms/list_control.h"
#include "platform/forms/menu_item.h"
#include "platform/forms/scroll_bar.h"
#include "platform/forms/text_box.h"
#include "platform/forms/timer.h"
#include "platform/forms/virtual_desktop.h"
#include "platform/forms/window_system.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace usina::forms::testing {

struct EventLog {
    std::vector<std::string> entries;
    void add(std::string e) { entries.push_back(std::move(e)); }
    void clear() { entries.clear(); }
};

// A window with two boxes, a button, a list and a timer; every handler logs.
class FormA : public Form {
public:
    FormA(WindowSystem& ws, EventLog& log) : Form(ws, "FormA"), log_(log) {
        for (TextBox* box : {&Text1, &Text2}) {
            box->GotFocus = [this, box] { log_.add(box->name() + ".GotFocus"); };
            box->LostFocus = [this, box] {
                log_.add(box->name() + ".LostFocus");
                if (onLostFocus) {
                    onLostFocus(*box);
                }
            };
            box->Change = [this, box] { log_.add(box->name() + ".Change=" + box->text()); };
            box->KeyPress = [this, box](int& k) {
                log_.add(box->name() + ".KeyPress=" + std::to_string(k));
                if (onKeyPress) {
                    onKeyPress(*box, k);
                }
            };
            box->KeyDown = [this, box](int& k, int) {
                log_.add(box->name() + ".KeyDown=" + std::to_string(k));
            };
        }
        Command1.setCaption("OK");
        Command1.GotFocus = [this] { log_.add("Command1.GotFocus"); };
        Command1.LostFocus = [this] { log_.add("Command1.LostFocus"); };
        Command1.Click = [this] {
            log_.add("Command1.Click");
            if (onClick) {
                onClick();
            }
        };
        List1.GotFocus = [this] { log_.add("List1.GotFocus"); };
        Timer1.Tick = [this] {
            log_.add("Timer1");
            if (onTick) {
                onTick();
            }
        };
    }
    void Form_Load() override { log_.add("FormA.Load"); }
    void Form_Activate() override { log_.add("FormA.Activate"); }
    void Form_Unload(int& Cancel) override {
        log_.add("FormA.Unload");
        Cancel = cancelUnload ? 1 : 0;
    }
    void Form_KeyPress(int& KeyAscii) override {
        log_.add("FormA.KeyPress=" + std::to_string(KeyAscii));
        if (onFormKeyPress) {
            onFormKeyPress(KeyAscii);
        }
    }
    void Form_KeyDown(int& KeyCode, int) override { log_.add("FormA.KeyDown=" + std::to_string(KeyCode)); }

    TextBox Text1{*this, "Text1"};
    TextBox Text2{*this, "Text2"};
    CommandButton Command1{*this, "Command1"};
    ListBox List1{*this, "List1"};
    Timer Timer1{*this, "Timer1"};
    MenuItem mnuFile{*this, "mnuFile", "&Arquivo"};
    MenuItem mnuOpen{*this, "mnuOpen", "&Abrir", &mnuFile};

    std::function<void(TextBox&)> onLostFocus;
    std::function<void(TextBox&, int&)> onKeyPress;
    std::function<void(int&)> onFormKeyPress;
    std::function<void()> onClick;
    std::function<void()> onTick;
    bool cancelUnload = false;

private:
    EventLog& log_;
};

// A second window: a box and a button, to cross forms and to wait modally on.
class FormB : public Form {
public:
    FormB(WindowSystem& ws, EventLog& log) : Form(ws, "FormB"), log_(log) {
        Text1.GotFocus = [this] { log_.add("B.Text1.GotFocus"); };
        Text1.LostFocus = [this] { log_.add("B.Text1.LostFocus"); };
        CmdOk.Click = [this] {
            log_.add("B.CmdOk.Click");
            if (onOk) {
                onOk();
            }
        };
    }
    void Form_Load() override { log_.add("FormB.Load"); }
    void Form_Activate() override {
        log_.add("FormB.Activate");
        if (onActivate) {
            onActivate();
        }
    }
    void Form_Unload(int&) override { log_.add("FormB.Unload"); }
    ~FormB() override { ++destroyed; }

    TextBox Text1{*this, "Text1"};
    CommandButton CmdOk{*this, "CmdOk"};
    std::function<void()> onOk;
    std::function<void()> onActivate;
    static inline int destroyed = 0;

private:
    EventLog& log_;
};

class FormsTest : public ::testing::Test {
protected:
    FormsTest() : desktop(clock), ws(desktop) {
        ws.define<FormA>([this] { return std::make_unique<FormA>(ws, log); });
        ws.define<FormB>([this] { return std::make_unique<FormB>(ws, log); });
        ws.setUnhandledErrorHandler([this](const std::exception_ptr& e, const HandlerSite& site) {
            try {
                std::rethrow_exception(e);
            } catch (const std::exception& ex) {
                errors.push_back(site.form + "." + site.handler + ": " + ex.what());
            }
        });
    }

    FormA& a() { return ws.form<FormA>(); }
    FormB& b() { return ws.form<FormB>(); }

    VirtualClock clock;
    VirtualDesktop desktop;
    WindowSystem ws;
    EventLog log;
    std::vector<std::string> errors;
};

} // namespace usina::forms::testing
