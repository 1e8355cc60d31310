#pragma once
// A form's menu bar: its items with their "&" accelerators and the Ctrl+letter shortcut shown beside
// them. Choosing an item hands it to the model; the shortcut key itself reaches the model as a key,
// so nothing here runs it a second time.

#include <QAction>
#include <QMenuBar>
#include <QPointer>

#include <functional>
#include <map>

class QMenu;
class QWidget;

namespace usina::forms {
class Form;
class MenuItem;
enum class Property;
} // namespace usina::forms

namespace usina::qt {

class FormMenus {
public:
    // `chosen` receives the item the person chose.
    FormMenus(QWidget& window, const forms::Form& form, std::function<void(forms::MenuItem*)> chosen);

    // nullptr for a form without menus.
    QMenuBar* bar() const { return bar_; }
    QAction* actionOf(const forms::MenuItem& item) const;
    void apply(const forms::MenuItem& item, forms::Property property);

private:
    void addTo(QMenuBar* bar, QMenu* menu, forms::MenuItem& item);
    void show(const forms::MenuItem& item, QAction& action);

    QPointer<QMenuBar> bar_;
    std::function<void(forms::MenuItem*)> chosen_;
    std::map<const forms::MenuItem*, QPointer<QAction>> actions_;
};

} // namespace usina::qt
