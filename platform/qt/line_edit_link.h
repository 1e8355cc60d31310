#pragma once
// Keeps a QLineEdit showing a model text box (its text, password mask and selection) and gives the
// model the caret and the selection the person makes with the mouse. Keys never reach the edit.

#include <QObject>

#include <functional>

class QLineEdit;
class QMouseEvent;

namespace usina::forms {
class TextBox;
}

namespace usina::qt {

class LineEditLink : public QObject {
public:
    // `box` gives the model's box, or nullptr once its form is unloaded. A combo box's edit raises no
    // DblClick of its own: the old drop-down combo raised it only from its list.
    LineEditLink(QLineEdit& edit, std::function<forms::TextBox*()> box, bool raisesDoubleClick);

    void showText();
    void showSelection();
    // A press first asks the model for the focus (a box it refuses gets no caret), a double click
    // may raise DblClick; then the edit places the caret or selects, and that goes to the model.
    bool mouseInput(QMouseEvent& event);

private:
    void selectedByPerson();

    QLineEdit& edit_;
    std::function<forms::TextBox*()> box_;
    bool raisesDoubleClick_;
    bool showing_ = false;
    bool mouseSelecting_ = false;
};

} // namespace usina::qt
