#include "tests/support_qt/shown_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace usina::test {

std::vector<QString> shownTexts(const QWidget& window) {
    std::vector<QString> texts{window.windowTitle()};
    for (auto* w : window.findChildren<QLabel*>()) {
        texts.push_back(w->text());
    }
    for (auto* w : window.findChildren<QGroupBox*>()) {
        texts.push_back(w->title());
    }
    for (auto* w : window.findChildren<QAbstractButton*>()) {
        texts.push_back(w->text());
    }
    for (auto* w : window.findChildren<QLineEdit*>()) {
        texts.push_back(w->text());
    }
    for (auto* a : window.findChildren<QAction*>()) {
        texts.push_back(a->text());
    }
    return texts;
}

std::vector<std::string> untranslatedTexts(const QWidget& window) {
    std::vector<std::string> missing;
    for (const QString& text : shownTexts(window)) {
        if (text.contains("######") || text.contains("naotem")) {
            missing.push_back(text.toStdString());
        }
    }
    return missing;
}

} // namespace usina::test
