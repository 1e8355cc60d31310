#include "renderer_fixture.h"

#include "tests/support_qt/offscreen_application.h"

#include "platform/forms/needle_gauge_state.h"

#include <QCoreApplication>
#include <QTest>

#include <algorithm>

namespace usina::qt::testing {

namespace id = forms::gauge_dispid;

QApplication& application() {
    return test::offscreenApplication();
}

int EventLog::count(const std::string& entry) const {
    return static_cast<int>(std::count(entries.begin(), entries.end(), entry));
}

namespace {

constexpr forms::Color panelGrey = forms::colors::lightGrey;

template <class C> C& put(C& control, forms::Control* container, int left, int top, int width, int height) {
    if (container != nullptr) {
        control.setContainer(*container);
    }
    control.setGeometry(left, top, width, height);
    return control;
}

void setGauge(forms::NeedleGauge& gauge, double fullScale, double value, const char* caption) {
    gauge.setProperty(id::fullScale, fullScale);
    // Band 0 (red by default) at the top of the scale, band 2 (green) at the bottom.
    const double bands[3][2] = {
        {fullScale * 0.8, fullScale}, {fullScale * 0.6, fullScale * 0.8}, {0, fullScale * 0.6}};
    for (int band = 0; band < 3; ++band) {
        gauge.setProperty(id::bandIndex, band);
        gauge.setProperty(id::bandStart, bands[band][0]);
        gauge.setProperty(id::bandEnd, bands[band][1]);
    }
    gauge.setProperty(id::caption, caption);
    gauge.setProperty(id::value, value);
}

} // namespace

PanelForm::PanelForm(forms::WindowSystem& ws, EventLog& log) : Form(ws, "PanelForm"), log_(log) {
    setCaption("Usina de Asfalto");
    setClientSize(560, 410);
    setBackColor(panelGrey);
    layOut();
    wire();
}

void PanelForm::layOut() {
    for (forms::Control* c : controls()) {
        if (c->kind() == forms::ControlKind::Frame || c->kind() == forms::ControlKind::CheckBox ||
            c->kind() == forms::ControlKind::OptionButton) {
            c->setBackColor(panelGrey);
        }
    }
    put(FrmSilo, nullptr, 8, 6, 150, 234).setCaption("Silo 1");
    put(Gauge, &FrmSilo, 10, 20, 130, 130);
    setGauge(Gauge, 60, 35, "Silo 1");
    Gauge.state().setUnit("m/min");
    put(LblUmid, &FrmSilo, 12, 162, 40, 16).setCaption("Umid");
    put(txtumid, &FrmSilo, 60, 158, 78, 22);
    txtumid.setAlignment(forms::Alignment::Right);
    put(LblTon, &FrmSilo, 12, 194, 126, 30).setCaption("12,50 t/h");
    LblTon.setFont(forms::Font{"MS Sans Serif", 12, true});
    LblTon.setAlignment(forms::Alignment::Right);

    put(FrmTemp, nullptr, 166, 6, 150, 234).setCaption("Temperaturas");
    put(GaugeTmp, &FrmTemp, 10, 20, 130, 130);
    setGauge(GaugeTmp, 255, 160, "CAP");
    GaugeTmp.state().setUnit("ºC");

    put(FrmMistura, nullptr, 324, 6, 228, 54).setCaption("Sigla do traço");
    put(DBCombomist, &FrmMistura, 10, 20, 208, 24);
    for (const char* mix : {"CBUQ faixa C", "CBUQ faixa B", "PMF"}) {
        DBCombomist.addItem(mix);
    }
    DBCombomist.setText("CBUQ faixa C");

    put(FrmProd, nullptr, 324, 64, 228, 80).setCaption("Produção");
    put(Lbl0, &FrmProd, 8, 23, 18, 16).setCaption("0");
    put(HScroll, &FrmProd, 28, 20, 160, 18);
    HScroll.setMax(300);
    HScroll.setSmallChange(1);
    HScroll.setLargeChange(10);
    HScroll.setValue(120);
    put(Lblmax, &FrmProd, 192, 23, 30, 16).setCaption("300");
    put(LblProd, &FrmProd, 8, 46, 212, 26).setCaption("120 t/h");
    LblProd.setFont(forms::Font{"MS Sans Serif", 13.5, true});
    LblProd.setAlignment(forms::Alignment::Center);

    put(FrmModo, nullptr, 324, 148, 110, 68).setCaption("Modo");
    put(OptAuto, &FrmModo, 10, 20, 96, 20).setCaption("Automático");
    put(OptManual, &FrmModo, 10, 42, 96, 20).setCaption("Manual");
    OptAuto.setValue(true);
    put(ChkImprimir, nullptr, 442, 154, 110, 20).setCaption("Imprimir");
    put(txtSenha, nullptr, 442, 184, 110, 22);
    txtSenha.setPasswordChar("*");
    put(CmdLiga, nullptr, 324, 224, 228, 34).setCaption("Iniciar Processo");
    CmdLiga.setBackColor(forms::colors::veryLightGrey);
    CmdLiga.setFont(forms::Font{"MS Sans Serif", 9.75, true});

    put(ListRel, nullptr, 8, 248, 308, 94);
    ListRel.setFont(forms::Font{"Terminal", 9, true});
    for (const char* line :
         {"  CBUQ faixa C       412,50", "  CBUQ faixa B       188,00", "  PMF                 35,25"}) {
        ListRel.addItem(line);
    }
    put(Picture1, nullptr, 324, 264, 228, 78).setPicture("plant");
    Picture1.setBackColor(forms::colors::white);

    put(Shape1, nullptr, 8, 350, 544, 26);
    Shape1.setForeColor(forms::colors::darkGrey);
    put(LblOcorrencia, nullptr, 14, 355, 80, 16).setCaption("Ocorrências:");
    put(LblOcorrenc, nullptr, 96, 355, 450, 16).setCaption("Falha de Comunicação");
    LblOcorrenc.setForeColor(forms::colors::darkRed);
    put(Line1, nullptr, 8, 382, 544, 0);
    Line1.setForeColor(forms::colors::darkGrey);
    put(Image1, nullptr, 8, 386, 22, 22).setPicture("logo");

    mnualt.setShortcutCtrl('T');
    mnusai.setShortcutCtrl('S');
}

void PanelForm::wire() {
    txtumid.KeyPress = [this](int& k) {
        log_.add("txtumid.KeyPress=" + std::to_string(k));
        if (onMoistureKey) {
            onMoistureKey(k);
        }
    };
    txtumid.KeyDown = [this](int& k, int shift) {
        log_.add("txtumid.KeyDown=" + std::to_string(k) + "/" + std::to_string(shift));
    };
    txtumid.Change = [this] { log_.add("txtumid.Change=" + txtumid.text()); };
    txtumid.GotFocus = [this] { log_.add("txtumid.GotFocus"); };
    txtumid.LostFocus = [this] {
        log_.add("txtumid.LostFocus");
        if (onMoistureLostFocus) {
            onMoistureLostFocus();
        }
    };
    txtSenha.GotFocus = [this] { log_.add("txtSenha.GotFocus"); };
    CmdLiga.Click = [this] {
        log_.add("CmdLiga.Click");
        if (onStart) {
            onStart();
        }
    };
    ChkImprimir.Click = [this] { log_.add("ChkImprimir.Click=" + std::to_string(ChkImprimir.value())); };
    OptManual.Click = [this] { log_.add("OptManual.Click"); };
    DBCombomist.GotFocus = [this] {
        log_.add("DBCombomist.GotFocus");
        if (onMixFocus) {
            onMixFocus();
        }
    };
    DBCombomist.Click = [this] { log_.add("DBCombomist.Click=" + DBCombomist.text()); };
    HScroll.Change = [this] { log_.add("HScroll.Change=" + std::to_string(HScroll.value())); };
    HScroll.KeyDown = [this](int& k, int) { log_.add("HScroll.KeyDown=" + std::to_string(k)); };
    ListRel.Click = [this] { log_.add("ListRel.Click=" + std::to_string(ListRel.listIndex())); };
    ListRel.DblClick = [this] { log_.add("ListRel.DblClick"); };
    TimerX.Tick = [this] { log_.add("TimerX"); };
    mnualt.Click = [this] { log_.add("mnualt.Click"); };
    mnuout.Click = [this] { log_.add("mnuout.Click"); };
}

void PanelForm::Form_Activate() {
    log_.add("PanelForm.Activate");
}

void PanelForm::Form_Unload(int& Cancel) {
    log_.add("PanelForm.Unload");
    Cancel = cancelUnload ? 1 : 0;
}

DialogForm::DialogForm(forms::WindowSystem& ws, EventLog& log) : Form(ws, "DialogForm"), log_(log) {
    setCaption("Cupom de Carga");
    setClientSize(240, 90);
    setBorderStyle(forms::BorderStyle::FixedDialog);
    put(MaskEdBox1, nullptr, 12, 14, 216, 22);
    MaskEdBox1.setMask("\?\?\?-9999");
    put(CmdOk, nullptr, 80, 50, 80, 28).setCaption("OK");
    CmdOk.Click = [this] { log_.add("CmdOk.Click"); };
}

void DialogForm::Form_Activate() {
    log_.add("DialogForm.Activate");
}

RendererTest::RendererTest() {
    application();
    ws.define<PanelForm>([this] { return std::make_unique<PanelForm>(ws, log); });
    ws.define<DialogForm>([this] { return std::make_unique<DialogForm>(ws, log); });
    ws.setUnhandledErrorHandler([this](const std::exception_ptr& e, const forms::HandlerSite& site) {
        try {
            std::rethrow_exception(e);
        } catch (const std::exception& ex) {
            errors.push_back(site.form + "." + site.handler + ": " + ex.what());
        }
    });
    renderer = std::make_unique<QtRenderer>(ws);
}

RendererTest::~RendererTest() {
    renderer.reset();
    settle();
}

PanelForm& RendererTest::shownPanel() {
    PanelForm& p = panel();
    p.Show();
    QWidget* window = renderer->windowOf(p);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    settle();
    return p;
}

void RendererTest::settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace usina::qt::testing
