// What the person does with the widgets reaches the model, which alone decides what changes.

#include "renderer_fixture.h"

#include "platform/qt/grab_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

namespace usina::qt::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsSubsetOf;

void typeKey(QWidget* target, Qt::Key key, const QString& text,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::sendKeyEvent(QTest::Click, target, key, text, modifiers);
}

std::vector<std::string> entriesStartingWith(const EventLog& log, const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& e : log.entries) {
        if (e.rfind(prefix, 0) == 0) {
            found.push_back(e);
        }
    }
    return found;
}

QRect scrollBarPart(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.state |= QStyle::State_Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

TEST_F(RendererTest, TypedKeysReachTheModelWithTheOldCodesAndTheBoxShowsTheModelsText) {
    PanelForm& p = shownPanel();
    ASSERT_TRUE(p.txtumid.hasFocus());
    auto* edit = widgetAs<QLineEdit>(p.txtumid);
    typeKey(edit, Qt::Key_Ccedilla, "ç");
    typeKey(edit, Qt::Key_Return, "\r");
    typeKey(edit, Qt::Key_Period, ".", Qt::KeypadModifier);
    typeKey(edit, Qt::Key_A, "a");
    typeKey(edit, Qt::Key_F1, "");
    EXPECT_THAT(entriesStartingWith(log, "txtumid.KeyPress"),
                ElementsAre("txtumid.KeyPress=231", "txtumid.KeyPress=13", "txtumid.KeyPress=44",
                            "txtumid.KeyPress=97"));
    EXPECT_EQ(log.count("txtumid.KeyDown=112/0"), 1);
    EXPECT_EQ(p.txtumid.text(), "ç,a");
    EXPECT_EQ(edit->text(), "ç,a");
    EXPECT_EQ(edit->cursorPosition(), 3);

    // Keys that edit in Qt edit only through the model: Backspace, then Home and Delete.
    typeKey(edit, Qt::Key_Backspace, "\b");
    typeKey(edit, Qt::Key_Home, "");
    typeKey(edit, Qt::Key_Delete, "\x7f");
    EXPECT_EQ(p.txtumid.text(), ",");
    EXPECT_EQ(edit->text(), ",");
}

TEST_F(RendererTest, AKeyTheHandlerDropsLeavesTheBoxAsItWas) {
    PanelForm& p = shownPanel();
    p.txtumid.setText("4");
    p.txtumid.setSelStart(1);
    p.onMoistureKey = [](int& k) {
        if (k == '.') {
            k = 0;
        }
    };
    auto* edit = widgetAs<QLineEdit>(p.txtumid);
    typeKey(edit, Qt::Key_Period, ".");
    EXPECT_EQ(log.count("txtumid.KeyPress=46"), 1);
    EXPECT_EQ(p.txtumid.text(), "4");
    EXPECT_EQ(edit->text(), "4");
}

TEST_F(RendererTest, TabMovesTheFocusThroughTheModel) {
    PanelForm& p = shownPanel();
    p.txtumid.setTabIndex(0);
    p.txtSenha.setTabIndex(1);
    p.CmdLiga.setTabIndex(2);
    typeKey(widget(p.txtumid), Qt::Key_Tab, "\t");
    EXPECT_TRUE(p.txtSenha.hasFocus());
    EXPECT_EQ(QApplication::focusWidget(), widget(p.txtSenha));
    typeKey(widget(p.txtSenha), Qt::Key_Backtab, "", Qt::ShiftModifier);
    EXPECT_TRUE(p.txtumid.hasFocus());
    EXPECT_EQ(QApplication::focusWidget(), widget(p.txtumid));
}

TEST_F(RendererTest, CtrlLetterRunsItsMenuItemOnceWhereverTheFocusIs) {
    PanelForm& p = shownPanel();
    QTest::keyClick(widget(p.txtumid), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(log.count("mnualt.Click"), 1);
    QTest::keyClick(renderer->windowOf(p), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(log.count("mnualt.Click"), 2);
    EXPECT_EQ(p.txtumid.text(), "");
    EXPECT_EQ(renderer->actionOf(p.mnualt)->text(), "&Traço\tCtrl+T");

    renderer->actionOf(p.mnuout)->trigger();
    EXPECT_EQ(log.count("mnuout.Click"), 1);
}

TEST_F(RendererTest, AClickRaisesClickOnceAndTogglesOnlyThroughTheModel) {
    PanelForm& p = shownPanel();
    QTest::mouseClick(widget(p.CmdLiga), Qt::LeftButton);
    EXPECT_EQ(log.count("CmdLiga.Click"), 1);
    EXPECT_TRUE(p.CmdLiga.hasFocus());

    QTest::mouseClick(widget(p.ChkImprimir), Qt::LeftButton);
    EXPECT_EQ(log.count("ChkImprimir.Click=1"), 1);
    EXPECT_EQ(widgetAs<QCheckBox>(p.ChkImprimir)->checkState(), Qt::Checked);
    // The far end of its place is the check box too.
    QTest::mouseClick(widget(p.ChkImprimir), Qt::LeftButton, {}, QPoint(105, 10));
    EXPECT_EQ(log.count("ChkImprimir.Click=0"), 1);
    EXPECT_EQ(p.ChkImprimir.value(), 0);
    EXPECT_EQ(widgetAs<QCheckBox>(p.ChkImprimir)->checkState(), Qt::Unchecked);

    QTest::mouseClick(widget(p.OptManual), Qt::LeftButton);
    EXPECT_EQ(log.count("OptManual.Click"), 1);
    EXPECT_TRUE(widgetAs<QRadioButton>(p.OptManual)->isChecked());
    EXPECT_FALSE(widgetAs<QRadioButton>(p.OptAuto)->isChecked());

    // A check box a handler refuses to tick stays unticked on screen.
    p.ChkImprimir.Click = [&p] { p.ChkImprimir.setValue(0); };
    QTest::mouseClick(widget(p.ChkImprimir), Qt::LeftButton);
    EXPECT_EQ(p.ChkImprimir.value(), 0);
    EXPECT_EQ(widgetAs<QCheckBox>(p.ChkImprimir)->checkState(), Qt::Unchecked);
}

TEST_F(RendererTest, AClickIntoATextBoxGivesTheModelTheFocusAndTheCaret) {
    PanelForm& p = shownPanel();
    p.txtSenha.setText("1234");
    QTest::mouseClick(widget(p.txtSenha), Qt::LeftButton, {}, QPoint(100, 11));
    settle();
    EXPECT_THAT((std::vector<std::string>{"txtumid.LostFocus", "txtSenha.GotFocus"}),
                IsSubsetOf(log.entries));
    EXPECT_TRUE(p.txtSenha.hasFocus());
    EXPECT_EQ(QApplication::focusWidget(), widget(p.txtSenha));
    EXPECT_EQ(p.txtSenha.selStart(), 4);

    // A double click selects the word, and the model has that selection.
    p.txtumid.setText("12345");
    QTest::mouseDClick(widget(p.txtumid), Qt::LeftButton, {}, QPoint(40, 11));
    settle();
    EXPECT_TRUE(p.txtumid.hasFocus());
    EXPECT_EQ(p.txtumid.selStart(), 0);
    EXPECT_EQ(p.txtumid.selLength(), 5);
}

TEST_F(RendererTest, AFocusTheModelRefusesDoesNotKeepQtsFocus) {
    PanelForm& p = shownPanel();
    // A box that will not let the focus go, as a validating LostFocus does.
    p.onMoistureLostFocus = [&p] { p.txtumid.SetFocus(); };
    QTest::mouseClick(widget(p.txtSenha), Qt::LeftButton);
    settle();
    EXPECT_TRUE(p.txtumid.hasFocus());
    EXPECT_EQ(QApplication::focusWidget(), widget(p.txtumid));
    EXPECT_EQ(log.count("txtSenha.GotFocus"), 0);
}

// The middle of a combo's arrow, where the person clicks to open its list, in its window.
QPoint arrowOf(QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect arrow =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
    return combo->mapTo(combo->window(), arrow.center());
}

// The middle of an item of a combo's open list, in the list's popup window.
QPoint itemOf(QComboBox* combo, int row) {
    QAbstractItemView* list = combo->view();
    const QRect item = list->visualRect(list->model()->index(row, 0));
    return list->viewport()->mapTo(list->window(), item.center());
}

// The window's image with the combo's open list drawn where it is on screen.
QImage withOpenList(const QImage& window, QComboBox* combo) {
    QImage image = window.convertToFormat(QImage::Format_ARGB32);
    QWidget* popup = combo->view()->window();
    QPainter painter(&image);
    painter.drawImage(popup->mapToGlobal(QPoint()) - combo->window()->mapToGlobal(QPoint()),
                      popup->grab().toImage());
    return image;
}

// Clicks go through the windows, as the window system sends them: Qt hands what follows the opening
// press to the open popup.
TEST_F(RendererTest, AClickOpensTheComboOnTheListItsGotFocusRefilledAndASecondClickChoosesThroughTheModel) {
    PanelForm& p = shownPanel();
    p.onMixFocus = [&p] {
        const std::string kept = p.DBCombomist.text();
        p.DBCombomist.clear();
        for (const char* mix : {"BINDER", "CBUQ faixa C", "SMA"}) {
            p.DBCombomist.addItem(mix);
        }
        p.DBCombomist.setText(kept);
    };
    auto* combo = widgetAs<QComboBox>(p.DBCombomist);
    QTest::mouseClick(combo->window()->windowHandle(), Qt::LeftButton, {}, arrowOf(combo));
    EXPECT_EQ(log.count("DBCombomist.GotFocus"), 1);
    ASSERT_TRUE(combo->view()->isVisible());
    EXPECT_TRUE(p.DBCombomist.droppedDown());
    // Opening the list chooses nothing.
    EXPECT_THAT(entriesStartingWith(log, "DBCombomist.Click"), ::testing::IsEmpty());
    ASSERT_EQ(combo->view()->model()->rowCount(), 3);
    EXPECT_EQ(combo->view()->model()->index(2, 0).data().toString(), "SMA");
    EXPECT_EQ(combo->currentText(), "CBUQ faixa C");
    QDir().mkpath(USINA_ARTIFACT_DIR);
    EXPECT_TRUE(withOpenList(grabForm(p), combo).save(QString(USINA_ARTIFACT_DIR) + "/combo_list_open.png"));

    QTest::mouseClick(combo->view()->window()->windowHandle(), Qt::LeftButton, {}, itemOf(combo, 2));
    settle();
    EXPECT_THAT(entriesStartingWith(log, "DBCombomist.Click"), ElementsAre("DBCombomist.Click=SMA"));
    EXPECT_EQ(p.DBCombomist.listIndex(), 2);
    EXPECT_EQ(combo->currentText(), "SMA");
    EXPECT_FALSE(combo->view()->isVisible());
    EXPECT_FALSE(p.DBCombomist.droppedDown());
}

TEST_F(RendererTest, APressOnTheComboDraggedOntoAnItemChoosesItAtTheRelease) {
    PanelForm& p = shownPanel();
    auto* combo = widgetAs<QComboBox>(p.DBCombomist);
    QTest::mousePress(combo->window()->windowHandle(), Qt::LeftButton, {}, arrowOf(combo));
    ASSERT_TRUE(combo->view()->isVisible());
    QWindow* popup = combo->view()->window()->windowHandle();
    QTest::mouseMove(popup, itemOf(combo, 1));
    QTest::mouseMove(popup, itemOf(combo, 2));
    EXPECT_THAT(entriesStartingWith(log, "DBCombomist.Click"), ::testing::IsEmpty());
    QTest::mouseRelease(popup, Qt::LeftButton, {}, itemOf(combo, 2));
    settle();
    EXPECT_THAT(entriesStartingWith(log, "DBCombomist.Click"), ElementsAre("DBCombomist.Click=PMF"));
    EXPECT_EQ(combo->currentText(), "PMF");
    EXPECT_FALSE(combo->view()->isVisible());
    EXPECT_FALSE(p.DBCombomist.droppedDown());
}

TEST_F(RendererTest, TheWheelChangesNeitherTheMixNorTheRate) {
    PanelForm& p = shownPanel();
    p.DBCombomist.setListIndex(0);
    log.entries.clear();
    for (QWidget* target : {widget(p.DBCombomist), widget(p.HScroll)}) {
        QWheelEvent wheel(QPointF(20, 8), target->mapToGlobal(QPointF(20, 8)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    }
    EXPECT_EQ(p.DBCombomist.listIndex(), 0);
    EXPECT_EQ(widgetAs<QComboBox>(p.DBCombomist)->currentIndex(), 0);
    EXPECT_EQ(p.HScroll.value(), 120);
    EXPECT_EQ(widgetAs<QScrollBar>(p.HScroll)->value(), 120);
    EXPECT_TRUE(log.entries.empty());
}

TEST_F(RendererTest, AScrollBarStepIsOneChangeAndADragIsOneChangeAtItsRelease) {
    PanelForm& p = shownPanel();
    auto* bar = widgetAs<QScrollBar>(p.HScroll);
    const struct {
        QStyle::SubControl part;
        int expected;
    } steps[] = {{QStyle::SC_ScrollBarAddLine, 121},
                 {QStyle::SC_ScrollBarSubLine, 120},
                 {QStyle::SC_ScrollBarAddPage, 130},
                 {QStyle::SC_ScrollBarSubPage, 120}};
    for (const auto& step : steps) {
        log.entries.clear();
        QTest::mouseClick(bar, Qt::LeftButton, {}, scrollBarPart(bar, step.part).center());
        EXPECT_THAT(entriesStartingWith(log, "HScroll."),
                    ElementsAre("HScroll.Change=" + std::to_string(step.expected)));
        EXPECT_EQ(bar->value(), step.expected);
    }

    log.entries.clear();
    const QPoint thumb = scrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
    for (int dx = 5; dx <= 30; dx += 5) {
        QTest::mouseMove(bar, thumb + QPoint(dx, 0));
    }
    EXPECT_TRUE(log.entries.empty());
    QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb + QPoint(30, 0));
    EXPECT_GT(p.HScroll.value(), 120);
    EXPECT_THAT(log.entries, ElementsAre("HScroll.Change=" + std::to_string(p.HScroll.value())));
    EXPECT_EQ(bar->value(), p.HScroll.value());
}

TEST_F(RendererTest, TheBarShowsTheValueTheModelKeptNotTheOneDraggedTo) {
    PanelForm& p = shownPanel();
    // As the rate bar does: never below 20.
    p.HScroll.Change = [&p] {
        if (p.HScroll.value() < 20) {
            p.HScroll.setValue(20);
        }
    };
    auto* bar = widgetAs<QScrollBar>(p.HScroll);
    const QPoint thumb = scrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(bar, QPoint(0, thumb.y()));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(0, thumb.y()));
    EXPECT_EQ(p.HScroll.value(), 20);
    EXPECT_EQ(bar->value(), 20);
}

TEST_F(RendererTest, ArrowKeysOnTheScrollBarGoToTheModelNotToQtsStepping) {
    PanelForm& p = shownPanel();
    p.HScroll.SetFocus();
    settle();
    QTest::keyClick(widget(p.HScroll), Qt::Key_Up);
    EXPECT_EQ(log.count("HScroll.KeyDown=38"), 1);
    EXPECT_EQ(p.HScroll.value(), 120);
    QTest::keyClick(widget(p.HScroll), Qt::Key_Right);
    EXPECT_EQ(log.count("HScroll.Change=121"), 1);
    EXPECT_EQ(widgetAs<QScrollBar>(p.HScroll)->value(), 121);
}

TEST_F(RendererTest, AClickOnAListItemChoosesItAndADoubleClickRaisesDblClick) {
    PanelForm& p = shownPanel();
    auto* list = widgetAs<QListWidget>(p.ListRel);
    const QPoint third = list->visualItemRect(list->item(2)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
    EXPECT_EQ(log.count("ListRel.Click=2"), 1);
    EXPECT_TRUE(p.ListRel.hasFocus());
    EXPECT_EQ(list->currentRow(), 2);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, third);
    EXPECT_EQ(log.count("ListRel.DblClick"), 1);
    EXPECT_EQ(log.count("ListRel.Click=2"), 1);
}

// A window out of use refuses the person but keeps its look: a red message stays readable.
TEST_F(RendererTest, AWindowOutOfUseKeepsItsLookAndTakesNoInput) {
    PanelForm& p = shownPanel();
    p.LblOcorrenc.setForeColor(forms::colors::red);
    settle();
    const QImage inUse = grabForm(p);
    p.setEnabled(false);
    settle();
    EXPECT_TRUE(renderer->windowOf(p)->isEnabled());
    EXPECT_EQ(grabForm(p), inUse);
    QTest::mouseClick(widget(p.CmdLiga), Qt::LeftButton);
    typeKey(widget(p.txtumid), Qt::Key_5, "5");
    auto* bar = renderer->windowOf(p)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions().front()).center());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(log.count("CmdLiga.Click"), 0);
    EXPECT_EQ(p.txtumid.text(), "");
    // A control out of use still looks it.
    p.setEnabled(true);
    p.CmdLiga.setEnabled(false);
    EXPECT_FALSE(widget(p.CmdLiga)->isEnabled());
}

} // namespace
} // namespace usina::qt::testing
