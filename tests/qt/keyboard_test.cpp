// The keyboard on screen: where the focus is can be seen on every kind of control, keys and access
// keys act through the model, the combo's list opens from the keyboard.

#include "renderer_fixture.h"

#include "platform/forms/key_codes.h"
#include "platform/qt/focus_mark.h"
#include "platform/qt/grab_form.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace usina::qt::testing {
namespace {

FocusMark* focusMarkOf(QWidget* window) {
    const QList<FocusMark*> marks = window->findChildren<FocusMark*>();
    return marks.size() == 1 ? marks.front() : nullptr;
}

// The colour on screen just inside the mark's left edge, half way down.
QColor markEdgeColour(QWidget* window, const QImage& image, const FocusMark& mark) {
    return image.pixelColor(mark.mapTo(window, QPoint(0, mark.height() / 2)));
}

TEST_F(RendererTest, TheControlWithTheFocusIsMarkedOnEveryKind) {
    PanelForm& p = shownPanel();
    QWidget* window = renderer->windowOf(p);
    const QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
    const std::vector<forms::Control*> kinds{&p.txtumid, &p.CmdLiga,     &p.HScroll,   &p.DBCombomist,
                                             &p.ListRel, &p.ChkImprimir, &p.OptManual, &p.txtSenha};
    for (forms::Control* control : kinds) {
        SCOPED_TRACE(control->name());
        ASSERT_TRUE(control->SetFocus() || control->hasFocus());
        settle();
        FocusMark* mark = focusMarkOf(window);
        ASSERT_NE(mark, nullptr);
        QWidget* target = widget(*control);
        EXPECT_TRUE(mark->isVisible());
        EXPECT_EQ(mark->parentWidget(), target->parentWidget());
        EXPECT_TRUE(mark->geometry().contains(target->geometry()));
        EXPECT_FALSE(target->geometry().contains(mark->geometry()));
        const QImage image = grabForm(p);
        EXPECT_EQ(markEdgeColour(window, image, *mark), highlight);
        QDir().mkpath(USINA_ARTIFACT_DIR);
        image.save(QString(USINA_ARTIFACT_DIR) + "/focus_" + QString::fromStdString(control->name()) +
                   ".png");
    }
    // A printed window shows no mark; a focused control that hides takes the mark with it.
    FocusMark* mark = focusMarkOf(window);
    EXPECT_NE(markEdgeColour(window, grabForm(p, false), *mark), highlight);
    p.txtSenha.setVisible(false);
    EXPECT_FALSE(mark->isVisible());
    p.OptManual.SetFocus();
    EXPECT_TRUE(mark->isVisible());
    p.FrmModo.setVisible(false);
    EXPECT_FALSE(mark->isVisible());
}

TEST_F(RendererTest, SpaceOrEnterOnAFocusedButtonClicksItThroughTheModel) {
    PanelForm& p = shownPanel();
    p.CmdLiga.SetFocus();
    settle();
    ASSERT_EQ(QApplication::focusWidget(), widget(p.CmdLiga));
    QTest::keyClick(widget(p.CmdLiga), Qt::Key_Space);
    QTest::keyClick(widget(p.CmdLiga), Qt::Key_Return);
    EXPECT_EQ(log.count("CmdLiga.Click"), 2);
}

TEST_F(RendererTest, AccessKeysGoToTheModelAndLabelsShowNoAmpersand) {
    PanelForm& p = shownPanel();
    p.CmdLiga.setCaption("Iniciar &Processo");
    p.ChkImprimir.setCaption("&Imprimir");
    p.LblUmid.setCaption("&Umid");
    p.txtSenha.SetFocus();
    settle();
    EXPECT_EQ(widgetAs<QLabel>(p.LblUmid)->text(), "Umid");
    EXPECT_EQ(widgetAs<QPushButton>(p.CmdLiga)->text(), "Iniciar &Processo");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(log.count("CmdLiga.Click"), 1);
    EXPECT_TRUE(p.CmdLiga.hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_I, Qt::AltModifier);
    EXPECT_EQ(p.ChkImprimir.value(), 1);
    EXPECT_EQ(log.count("ChkImprimir.Click=1"), 1);
    // The label's key gives the focus to the box after it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_U, Qt::AltModifier);
    EXPECT_TRUE(p.txtumid.hasFocus());
    EXPECT_EQ(p.txtumid.text(), "");
}

TEST_F(RendererTest, TheComboListOpensAndChoosesFromTheKeyboardThroughTheModel) {
    PanelForm& p = shownPanel();
    auto* combo = widgetAs<QComboBox>(p.DBCombomist);
    p.DBCombomist.SetFocus();
    settle();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
    ASSERT_TRUE(combo->view()->isVisible());
    EXPECT_TRUE(p.DBCombomist.droppedDown());
    // The arrows in the open list choose in the model, which the list then shows.
    QTest::keyClick(combo->view(), Qt::Key_Down);
    EXPECT_EQ(p.DBCombomist.listIndex(), 0);
    EXPECT_EQ(log.count("DBCombomist.Click=CBUQ faixa C"), 1);
    EXPECT_EQ(combo->view()->currentIndex().row(), 0);
    QTest::keyClick(combo->view(), Qt::Key_Escape);
    EXPECT_FALSE(combo->view()->isVisible());
    EXPECT_FALSE(p.DBCombomist.droppedDown());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(combo->view()->isVisible());
    // Enter chooses the item the mouse points at in the open list.
    combo->view()->setCurrentIndex(combo->view()->model()->index(2, 0));
    QTest::keyClick(combo->view(), Qt::Key_Return);
    EXPECT_EQ(log.count("DBCombomist.Click=PMF"), 1);
    EXPECT_EQ(combo->currentText(), "PMF");
    EXPECT_FALSE(combo->view()->isVisible());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(combo->view()->isVisible());
    // Qt closing the popup on its own (a press outside it) closes the model's list.
    combo->hidePopup();
    EXPECT_FALSE(p.DBCombomist.droppedDown());
}

TEST_F(RendererTest, TheMaskedBoxTypesIntoItsMaskAndShowsTheModelsText) {
    shownPanel();
    DialogForm& d = dialog();
    d.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(renderer->windowOf(d)));
    settle();
    ASSERT_TRUE(d.MaskEdBox1.hasFocus());
    auto* edit = widgetAs<QLineEdit>(d.MaskEdBox1);
    EXPECT_EQ(edit->text(), "___-____");
    QTest::keyClicks(edit, "ab1c");
    EXPECT_EQ(d.MaskEdBox1.text(), "abc-____");
    QTest::keyClicks(edit, "1234");
    EXPECT_EQ(d.MaskEdBox1.text(), "abc-1234");
    EXPECT_EQ(edit->text(), "abc-1234");
    EXPECT_EQ(edit->cursorPosition(), 8);
}

TEST_F(RendererTest, AListScrollsSidewaysToLinesWiderThanItself) {
    PanelForm& p = shownPanel();
    auto* list = widgetAs<QListWidget>(p.ListRel);
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    p.ListRel.addItem(" " + std::string(116, '9'));
    settle();
    EXPECT_TRUE(list->horizontalScrollBar()->isVisible());
    EXPECT_GT(list->horizontalScrollBar()->maximum(), 0);
}

} // namespace
} // namespace usina::qt::testing
