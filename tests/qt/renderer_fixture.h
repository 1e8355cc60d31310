#pragma once
// A Qt application on the offscreen platform, the Qt backend and renderer over a window system, and
// a control panel with one control of every kind whose handlers write what they see into a log.

#include "platform/forms/check_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/decoration.h"
#include "platform/forms/form.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/list_control.h"
#include "platform/forms/masked_box.h"
#include "platform/forms/menu_item.h"
#include "platform/forms/needle_gauge.h"
#include "platform/forms/scroll_bar.h"
#include "platform/forms/text_box.h"
#include "platform/forms/timer.h"
#include "platform/forms/window_system.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_renderer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace usina::qt::testing {

QApplication& application();

struct EventLog {
    std::vector<std::string> entries;
    void add(std::string entry) { entries.push_back(std::move(entry)); }
    int count(const std::string& entry) const;
};

// A plant operator's panel in miniature: a silo frame with its moisture box and belt gauge, the mix
// box, the rate bar, a start button, a print check box, two options, a report list, the message line
// with its frame shape, a line, the plant picture and the logo, a timer and a menu bar.
class PanelForm : public forms::Form {
public:
    PanelForm(forms::WindowSystem& ws, EventLog& log);

    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;

    forms::Frame FrmSilo{*this, "FrmSilo"};
    forms::Label LblUmid{*this, "LblUmid"};
    forms::TextBox txtumid{*this, "txtumid"};
    forms::Label LblTon{*this, "LblTon"};
    forms::NeedleGauge Gauge{*this, "Gauge"};
    forms::Frame FrmTemp{*this, "FrmTemp"};
    forms::NeedleGauge GaugeTmp{*this, "GaugeTmp"};
    forms::Frame FrmMistura{*this, "FrmMistura"};
    forms::ComboBox DBCombomist{*this, "DBCombomist"};
    forms::Frame FrmProd{*this, "FrmProd"};
    forms::Label Lbl0{*this, "Lbl0"};
    forms::ScrollBar HScroll{*this, "HScroll"};
    forms::Label Lblmax{*this, "Lblmax"};
    forms::Label LblProd{*this, "LblProd"};
    forms::TextBox txtSenha{*this, "txtSenha"};
    forms::CommandButton CmdLiga{*this, "CmdLiga"};
    forms::CheckBox ChkImprimir{*this, "ChkImprimir"};
    forms::Frame FrmModo{*this, "FrmModo"};
    forms::OptionButton OptAuto{*this, "OptAuto"};
    forms::OptionButton OptManual{*this, "OptManual"};
    forms::ListBox ListRel{*this, "ListRel"};
    forms::Shape Shape1{*this, "Shape1"};
    forms::Label LblOcorrencia{*this, "LblOcorrencia"};
    forms::Label LblOcorrenc{*this, "LblOcorrenc"};
    forms::Line Line1{*this, "Line1"};
    forms::Picture Picture1{*this, "Picture1"};
    forms::Image Image1{*this, "Image1"};
    forms::Timer TimerX{*this, "TimerX"};
    forms::MenuItem mnuarq{*this, "mnuarq", "&Arquivo"};
    forms::MenuItem mnualt{*this, "mnualt", "&Traço", &mnuarq};
    forms::MenuItem mnusai{*this, "mnusai", "&Sair", &mnuarq};
    forms::MenuItem mnuRel{*this, "mnuRel", "&Relatórios"};
    forms::MenuItem mnurelprod{*this, "mnurelprod", "Relatório de Pro&dução", &mnuRel};
    forms::MenuItem mnuout{*this, "mnuout", "&Sair"};

    bool cancelUnload = false;
    std::function<void()> onStart;
    std::function<void(int&)> onMoistureKey;
    std::function<void()> onMoistureLostFocus;
    std::function<void()> onMixFocus;

private:
    void layOut();
    void wire();
    EventLog& log_;
};

// A small dialog to wait on.
class DialogForm : public forms::Form {
public:
    DialogForm(forms::WindowSystem& ws, EventLog& log);
    void Form_Activate() override;

    forms::MaskedBox MaskEdBox1{*this, "MaskEdBox1"};
    forms::CommandButton CmdOk{*this, "CmdOk"};

private:
    EventLog& log_;
};

class RendererTest : public ::testing::Test {
protected:
    RendererTest();
    ~RendererTest() override;

    PanelForm& panel() { return ws.form<PanelForm>(); }
    DialogForm& dialog() { return ws.form<DialogForm>(); }
    // The panel on screen, active, with Qt's pending work done.
    PanelForm& shownPanel();
    QWidget* widget(const forms::Control& control) const { return renderer->widgetOf(control); }
    template <class W> W* widgetAs(const forms::Control& control) const {
        return dynamic_cast<W*>(renderer->widgetOf(control));
    }
    // Lets Qt deliver what is pending (window activation, queued focus moves, deferred deletes).
    static void settle();

    QtBackend backend;
    forms::WindowSystem ws{backend};
    EventLog log;
    std::vector<std::string> errors;
    std::unique_ptr<QtRenderer> renderer;
};

} // namespace usina::qt::testing
