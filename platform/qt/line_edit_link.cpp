#include "platform/qt/line_edit_link.h"

#include "platform/forms/text_box.h"
#include "platform/forms/window_system.h"
#include "platform/qt/text_positions.h"
#include "platform/value/text.h"

#include <QLineEdit>
#include <QMouseEvent>

namespace usina::qt {

namespace {

struct Span {
    int start = 0;
    int length = 0;
    bool operator==(const Span&) const = default;
};

Span shownSpan(const QLineEdit& edit) {
    return edit.hasSelectedText() ? Span{edit.selectionStart(), static_cast<int>(edit.selectionLength())}
                                  : Span{edit.cursorPosition(), 0};
}

QString shownText(const forms::TextBox& box) {
    if (box.passwordChar().empty()) {
        return toQString(box.text());
    }
    return toQString(box.passwordChar()).left(1).repeated(static_cast<qsizetype>(charCount(box.text())));
}

} // namespace

LineEditLink::LineEditLink(QLineEdit& edit, std::function<forms::TextBox*()> box, bool raisesDoubleClick)
    : QObject(&edit), edit_(edit), box_(std::move(box)), raisesDoubleClick_(raisesDoubleClick) {
    edit_.setDragEnabled(false);
    connect(&edit_, &QLineEdit::selectionChanged, this, [this] { selectedByPerson(); });
    connect(&edit_, &QLineEdit::cursorPositionChanged, this, [this] { selectedByPerson(); });
}

void LineEditLink::showText() {
    const forms::TextBox* box = box_();
    if (box == nullptr) {
        return;
    }
    const QString text = shownText(*box);
    if (edit_.text() != text) {
        showing_ = true;
        edit_.setText(text);
        showing_ = false;
    }
    showSelection();
}

void LineEditLink::showSelection() {
    const forms::TextBox* box = box_();
    if (box == nullptr) {
        return;
    }
    const QString text = edit_.text();
    const int start = utf16Offset(text, box->selStart());
    const Span wanted{start, utf16Offset(text, box->selStart() + box->selLength()) - start};
    if (shownSpan(edit_) == wanted) {
        return;
    }
    showing_ = true;
    if (wanted.length > 0) {
        edit_.setSelection(wanted.start, wanted.length);
    } else {
        edit_.setCursorPosition(wanted.start);
    }
    showing_ = false;
}

bool LineEditLink::mouseInput(QMouseEvent& event) {
    forms::TextBox* box = box_();
    if (box == nullptr) {
        return true;
    }
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // No middle-button paste, no right-button menu: only the left button places the caret.
        if (event.button() != Qt::LeftButton) {
            return true;
        }
        if (!box->hasFocus()) {
            box->windowSystem().focusByPerson(*box);
            box = box_();
            if (box == nullptr || !box->hasFocus()) {
                return true;
            }
        }
        if (event.type() == QEvent::MouseButtonDblClick && raisesDoubleClick_) {
            box->windowSystem().doubleClick(*box);
            if (box_() == nullptr) {
                return true;
            }
        }
        mouseSelecting_ = true;
        return false;
    case QEvent::MouseButtonRelease:
        mouseSelecting_ = false;
        return event.button() != Qt::LeftButton;
    default:
        return !mouseSelecting_;
    }
}

void LineEditLink::selectedByPerson() {
    forms::TextBox* box = box_();
    if (showing_ || !mouseSelecting_ || box == nullptr) {
        return;
    }
    const QString text = edit_.text();
    const Span span = shownSpan(edit_);
    const int start = characterIndex(text, span.start);
    box->windowSystem().selectByPerson(*box, start, characterIndex(text, span.start + span.length) - start);
}

} // namespace usina::qt
