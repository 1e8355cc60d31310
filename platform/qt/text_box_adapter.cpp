// A text box: a line edit that shows the model's text and selection and never edits itself.

#include "platform/forms/text_box.h"
#include "platform/qt/control_adapter.h"
#include "platform/qt/control_adapters.h"
#include "platform/qt/form_window.h"
#include "platform/qt/line_edit_link.h"
#include "platform/qt/look.h"

#include <QLineEdit>

namespace usina::qt {

namespace {

class TextBoxAdapter : public ControlAdapter {
public:
    TextBoxAdapter(FormWindow& window, forms::TextBox& box)
        : ControlAdapter(window, box), edit_(new QLineEdit(window.clientArea())),
          link_(new LineEditLink(
              *edit_, [this] { return textBox(); }, true)) {
        edit_->setFrame(box.bordered());
        adopt(edit_);
    }

    void apply(forms::Property property) override {
        const forms::TextBox* box = textBox();
        if (box == nullptr) {
            return;
        }
        switch (property) {
        case forms::Property::Text:
            link_->showText();
            break;
        case forms::Property::Selection:
            link_->showSelection();
            break;
        case forms::Property::Alignment:
            edit_->setAlignment(horizontalAlignment(box->alignment()) | Qt::AlignVCenter);
            break;
        default:
            ControlAdapter::apply(property);
        }
    }

    // Qt's line edit drops its selection when it loses the focus; the model's comes back with it.
    void focusArrived() override { link_->showSelection(); }

protected:
    ColorRoles colorRoles() const override { return {QPalette::Base, QPalette::Text}; }

    bool mouseInput(QObject*, QMouseEvent& event) override { return link_->mouseInput(event); }

private:
    forms::TextBox* textBox() const { return static_cast<forms::TextBox*>(control()); }

    QLineEdit* edit_;
    LineEditLink* link_;
};

} // namespace

ControlAdapter* makeTextBoxAdapter(FormWindow& window, forms::Control& control) {
    return new TextBoxAdapter(window, static_cast<forms::TextBox&>(control));
}

} // namespace usina::qt
