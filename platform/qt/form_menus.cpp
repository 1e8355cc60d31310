#include "platform/qt/form_menus.h"

#include "platform/forms/form.h"
#include "platform/forms/menu_item.h"
#include "platform/qt/text_positions.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace usina::qt {

namespace {

// The caption, and after a tab the shortcut, which the menu shows in its own column.
QString actionText(const forms::MenuItem& item) {
    QString text = toQString(item.caption());
    if (item.shortcutLetter() != 0) {
        const QKeySequence shortcut(QKeyCombination(Qt::ControlModifier, Qt::Key(item.shortcutLetter())));
        text += QLatin1Char('\t') + shortcut.toString(QKeySequence::NativeText);
    }
    return text;
}

} // namespace

FormMenus::FormMenus(QWidget& window, const forms::Form& form, std::function<void(forms::MenuItem*)> chosen)
    : chosen_(std::move(chosen)) {
    const std::vector<forms::MenuItem*> top = form.menuBar();
    if (top.empty()) {
        return;
    }
    bar_ = new QMenuBar(&window);
    bar_->setNativeMenuBar(false);
    for (forms::MenuItem* item : top) {
        addTo(bar_, nullptr, *item);
    }
}

void FormMenus::addTo(QMenuBar* bar, QMenu* menu, forms::MenuItem& item) {
    QAction* action = nullptr;
    if (item.children().empty()) {
        action = bar != nullptr ? bar->addAction(QString()) : menu->addAction(QString());
        forms::MenuItem* model = &item;
        QObject::connect(action, &QAction::triggered, action, [this, model] { chosen_(model); });
    } else {
        QMenu* sub = bar != nullptr ? bar->addMenu(QString()) : menu->addMenu(QString());
        for (forms::MenuItem* child : item.children()) {
            addTo(nullptr, sub, *child);
        }
        action = sub->menuAction();
    }
    actions_[&item] = action;
    show(item, *action);
}

void FormMenus::show(const forms::MenuItem& item, QAction& action) {
    action.setSeparator(item.caption() == "-");
    action.setText(actionText(item));
    action.setEnabled(item.enabled());
    action.setVisible(item.visible());
}

QAction* FormMenus::actionOf(const forms::MenuItem& item) const {
    auto it = actions_.find(&item);
    return it == actions_.end() ? nullptr : it->second.data();
}

void FormMenus::apply(const forms::MenuItem& item, forms::Property) {
    if (QAction* action = actionOf(item)) {
        show(item, *action);
    }
}

} // namespace usina::qt
