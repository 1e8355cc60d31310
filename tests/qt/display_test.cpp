// What the model holds is what the widgets show, at once and property by property.

#include "renderer_fixture.h"

#include "platform/qt/grab_form.h"
#include "tests/support_qt/cut_texts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace usina::qt::testing {
namespace {

TEST_F(RendererTest, WindowShowsTheFormAsLoaded) {
    PanelForm& p = shownPanel();
    QWidget* window = renderer->windowOf(p);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Usina de Asfalto");
    EXPECT_EQ(window->layout()->menuBar()->height() + 410, window->height());
    EXPECT_EQ(window->width(), 560);

    // Controls sit at their pixel place inside their container's widget.
    QWidget* box = widget(p.txtumid);
    EXPECT_EQ(box->parentWidget(), widget(p.FrmSilo));
    EXPECT_EQ(box->geometry(), QRect(60, 158, 78, 22));
    EXPECT_EQ(widgetAs<QGroupBox>(p.FrmSilo)->title(), "Silo 1");
    EXPECT_EQ(widgetAs<QLineEdit>(p.txtSenha)->text(), "");
    EXPECT_EQ(widgetAs<QComboBox>(p.DBCombomist)->currentText(), "CBUQ faixa C");
    EXPECT_EQ(widgetAs<QListWidget>(p.ListRel)->count(), 3);
    EXPECT_EQ(widgetAs<QScrollBar>(p.HScroll)->maximum(), 300);
    EXPECT_EQ(widgetAs<QScrollBar>(p.HScroll)->value(), 120);
    EXPECT_TRUE(widgetAs<QRadioButton>(p.OptAuto)->isChecked());
    // Labels lie below the windowed controls of their container.
    const QObjectList& siblings = widget(p.FrmSilo)->children();
    EXPECT_LT(siblings.indexOf(widget(p.LblUmid)), siblings.indexOf(widget(p.txtumid)));
}

TEST_F(RendererTest, ModelChangesReachTheirWidgetsAtOnce) {
    PanelForm& p = shownPanel();
    const std::vector<std::pair<std::function<void()>, std::function<bool()>>> cases{
        {[&] { p.LblOcorrenc.setCaption("Troca de traço"); },
         [&] { return widgetAs<QLabel>(p.LblOcorrenc)->text() == "Troca de traço"; }},
        {[&] { p.CmdLiga.setCaption("Desligar"); },
         [&] { return widgetAs<QPushButton>(p.CmdLiga)->text() == "Desligar"; }},
        {[&] { p.FrmSilo.setCaption("Areia"); },
         [&] { return widgetAs<QGroupBox>(p.FrmSilo)->title() == "Areia"; }},
        {[&] { p.txtumid.setText("4,5"); }, [&] { return widgetAs<QLineEdit>(p.txtumid)->text() == "4,5"; }},
        {[&] { p.txtSenha.setText("segredo"); },
         [&] { return widgetAs<QLineEdit>(p.txtSenha)->text() == "*******"; }},
        {[&] { p.CmdLiga.setEnabled(false); }, [&] { return !widget(p.CmdLiga)->isEnabled(); }},
        {[&] { p.FrmModo.setEnabled(false); }, [&] { return !widget(p.OptManual)->isEnabled(); }},
        {[&] { p.LblTon.setVisible(false); }, [&] { return !widget(p.LblTon)->isVisible(); }},
        {[&] { p.ListRel.addItem("  Total              635,75"); },
         [&] { return widgetAs<QListWidget>(p.ListRel)->item(3)->text() == "  Total              635,75"; }},
        {[&] { p.ListRel.setListIndex(1); },
         [&] { return widgetAs<QListWidget>(p.ListRel)->currentRow() == 1; }},
        {[&] { p.ListRel.clear(); }, [&] { return widgetAs<QListWidget>(p.ListRel)->count() == 0; }},
        {[&] { p.DBCombomist.setListIndex(2); },
         [&] { return widgetAs<QComboBox>(p.DBCombomist)->currentText() == "PMF"; }},
        {[&] { p.DBCombomist.clear(); },
         [&] {
             auto* combo = widgetAs<QComboBox>(p.DBCombomist);
             return combo->count() == 0 && combo->currentText().isEmpty();
         }},
        {[&] { p.HScroll.setMax(250); }, [&] { return widgetAs<QScrollBar>(p.HScroll)->maximum() == 250; }},
        {[&] { p.HScroll.setValue(80); }, [&] { return widgetAs<QScrollBar>(p.HScroll)->value() == 80; }},
        {[&] { p.ChkImprimir.setValue(1); },
         [&] { return widgetAs<QCheckBox>(p.ChkImprimir)->checkState() == Qt::Checked; }},
        {[&] { p.ChkImprimir.setValue(2); },
         [&] { return widgetAs<QCheckBox>(p.ChkImprimir)->checkState() == Qt::PartiallyChecked; }},
        {[&] { p.OptManual.setValue(true); },
         [&] {
             return widgetAs<QRadioButton>(p.OptManual)->isChecked() &&
                    !widgetAs<QRadioButton>(p.OptAuto)->isChecked();
         }},
        {[&] { p.setCaption("Ranvikv5.1.0-Usina de Asfalto"); },
         [&] { return renderer->windowOf(p)->windowTitle() == "Ranvikv5.1.0-Usina de Asfalto"; }},
        {[&] { p.mnualt.setCaption("&Mix"); },
         [&] { return renderer->actionOf(p.mnualt)->text() == "&Mix\tCtrl+T"; }},
        {[&] { p.mnuRel.setEnabled(false); }, [&] { return !renderer->actionOf(p.mnuRel)->isEnabled(); }},
        {[&] { p.txtumid.setGeometry(4, 150, 60, 20); },
         [&] { return widget(p.txtumid)->geometry() == QRect(4, 150, 60, 20); }},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        cases[i].first();
        EXPECT_TRUE(cases[i].second()) << "case " << i;
    }
}

TEST_F(RendererTest, GaugeRepaintsWhenItsStateChanges) {
    PanelForm& p = shownPanel();
    const QImage before = widget(p.Gauge)->grab().toImage();
    p.Gauge.setProperty(forms::gauge_dispid::value, 55);
    EXPECT_NE(widget(p.Gauge)->grab().toImage(), before);
}

TEST_F(RendererTest, ColoursAndFontsAsTheWindowsWroteThem) {
    PanelForm& p = shownPanel();
    p.LblOcorrenc.setBackColor(forms::colors::yellow);
    p.LblOcorrenc.setTransparent(false);
    p.LblOcorrenc.setForeColor(forms::colors::red);
    const QPalette label = widget(p.LblOcorrenc)->palette();
    EXPECT_EQ(label.color(QPalette::Window), QColor(255, 255, 0));
    EXPECT_EQ(label.color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(widget(p.CmdLiga)->palette().color(QPalette::Button), QColor(0xE0, 0xE0, 0xE0));
    // System colours come from the palette: a text box's background is the window background.
    EXPECT_EQ(widget(p.txtumid)->palette().color(QPalette::Base),
              QApplication::palette().color(QPalette::Base));

    const QFont caption = widget(p.LblUmid)->font();
    EXPECT_EQ(caption.family(), "DejaVu Sans");
    EXPECT_EQ(caption.pixelSize(), 11);
    EXPECT_FALSE(caption.bold());
    const QFont report = widget(p.ListRel)->font();
    EXPECT_EQ(report.family(), "DejaVu Sans Mono");
    EXPECT_EQ(report.pixelSize(), 12);
    EXPECT_TRUE(report.bold());
}

TEST_F(RendererTest, ScreenshotOfThePanel) {
    PanelForm& p = shownPanel();
    p.txtumid.setText("4,5");
    p.txtSenha.setText("1234");
    p.ListRel.setListIndex(0);
    settle();
    const QImage image = grabForm(p);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 560);
    QDir().mkpath(USINA_ARTIFACT_DIR);
    EXPECT_TRUE(image.save(QString(USINA_ARTIFACT_DIR) + "/renderer_form.png"));
}

TEST_F(RendererTest, TextsThatDoNotFitTheirPlaceAreFound) {
    PanelForm& p = shownPanel();
    QWidget* window = renderer->windowOf(p);
    EXPECT_THAT(test::cutTexts(*window), ::testing::IsEmpty());
    p.LblOcorrencia.setCaption("Événements de la centrale :");
    p.CmdLiga.setCaption("Iniciar o processo de produção da usina");
    p.FrmModo.setCaption("Modo de operação da usina");
    p.txtumid.setText("123456789012345");
    p.GaugeTmp.setProperty(forms::gauge_dispid::caption, "Temperatura do filtro de mangas");
    settle();
    EXPECT_EQ(test::cutTexts(*window).size(), 5u);
}

// A window never shown (a loaded, hidden form) is laid out for its image all the same.
TEST_F(RendererTest, HiddenFormIsGrabbedAtItsSize) {
    const QImage image = grabForm(dialog());
    EXPECT_EQ(image.size(), QSize(240, 90));
}

} // namespace
} // namespace usina::qt::testing
