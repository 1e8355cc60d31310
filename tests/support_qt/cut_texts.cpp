#include "tests/support_qt/cut_texts.h"

#include "platform/qt/needle_gauge_widget.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>

namespace usina::test {

namespace {

std::string describe(const char* kind, const QString& text, int needed, int room) {
    return std::string(kind) + " \"" + text.toStdString() + "\" needs " + std::to_string(needed) +
           " px, has " + std::to_string(room);
}

bool shown(const QWidget& widget, const QWidget& window) {
    return widget.isVisibleTo(&window) && widget.width() > 0 && widget.height() > 0;
}

void checkLabel(const QLabel& label, std::vector<std::string>& cut) {
    if (label.text().isEmpty()) {
        return;
    }
    const QRect room = label.contentsRect();
    const QFontMetrics metrics(label.font());
    const int flags = label.wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
    const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 100000), flags, label.text());
    if (needed.width() > room.width()) {
        cut.push_back(describe("label", label.text(), needed.width(), room.width()));
    } else if (needed.height() > room.height()) {
        cut.push_back(describe("label (height)", label.text(), needed.height(), room.height()));
    }
}

void checkButton(const QAbstractButton& button, std::vector<std::string>& cut) {
    if (button.text().isEmpty()) {
        return;
    }
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(&button) != nullptr) {
        contents = QStyle::SE_CheckBoxContents;
    } else if (qobject_cast<const QRadioButton*>(&button) != nullptr) {
        contents = QStyle::SE_RadioButtonContents;
    }
    const int room = button.style()->subElementRect(contents, &option, &button).width();
    QString text = button.text();
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    const int needed = QFontMetrics(button.font()).horizontalAdvance(text);
    if (needed > room) {
        cut.push_back(describe("button", button.text(), needed, room));
    }
}

void checkFrame(const QGroupBox& box, std::vector<std::string>& cut) {
    if (box.title().isEmpty()) {
        return;
    }
    // The title sits in from the frame's corner and ends before its other side.
    constexpr int inset = 8;
    const int needed = QFontMetrics(box.font()).horizontalAdvance(box.title());
    if (needed > box.width() - inset) {
        cut.push_back(describe("frame", box.title(), needed, box.width() - inset));
    }
}

void checkBox(const QLineEdit& edit, std::vector<std::string>& cut) {
    const QMargins margins = edit.textMargins();
    // The line edit's frame and its own inner margin of a couple of pixels each side.
    const int room =
        edit.contentsRect().width() - margins.left() - margins.right() - (edit.hasFrame() ? 4 : 0);
    const int needed = QFontMetrics(edit.font()).horizontalAdvance(edit.text());
    if (!edit.text().isEmpty() && needed > room) {
        cut.push_back(describe("box", edit.text(), needed, room));
    }
}

} // namespace

std::vector<std::string> cutTexts(const QWidget& window) {
    std::vector<std::string> cut;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (shown(*label, window)) {
            checkLabel(*label, cut);
        }
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (shown(*button, window) && qobject_cast<const QComboBox*>(button->parentWidget()) == nullptr) {
            checkButton(*button, cut);
        }
    }
    for (const QGroupBox* box : window.findChildren<QGroupBox*>()) {
        if (shown(*box, window)) {
            checkFrame(*box, cut);
        }
    }
    for (const QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        if (shown(*edit, window)) {
            checkBox(*edit, cut);
        }
    }
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const auto* gauge = dynamic_cast<const qt::NeedleGaugeWidget*>(widget);
        if (gauge == nullptr) {
            continue;
        }
        const QString caption = QString::fromStdString(gauge->state().caption());
        if (shown(*gauge, window) &&
            qt::gaugeLayout(gauge->state(), gauge->size(), gauge->font()).caption != caption) {
            cut.push_back("gauge caption \"" + caption.toStdString() + "\" is cut");
        }
    }
    return cut;
}

} // namespace usina::test
