#include "list_control.h"

#include "platform/value/run_time_error.h"

namespace usina::forms {

const std::string& ItemList::list(int i) const {
    if (i < 0 || i >= listCount()) {
        throw RunTimeError(error_number::invalidProcedureCall,
                           "Índice de lista inválido: " + std::to_string(i));
    }
    return items_[static_cast<std::size_t>(i)];
}

int ItemList::find(const std::string& text) const {
    for (int i = 0; i < listCount(); ++i) {
        if (items_[static_cast<std::size_t>(i)] == text) {
            return i;
        }
    }
    return -1;
}

void ComboBox::addItem(std::string item) {
    items_.addItem(std::move(item));
    notify(Property::Items);
}

void ComboBox::clear() {
    items_.clear();
    listIndex_ = -1;
    notify(Property::Items);
    // Clearing the list of a drop-down combo clears its text too.
    setText("");
}

void ComboBox::setListIndex(int i) {
    if (i < -1 || i >= listCount()) {
        throw RunTimeError(error_number::invalidProcedureCall,
                           "Índice de lista inválido: " + std::to_string(i));
    }
    listIndex_ = i;
    notify(Property::ListIndex);
    setText(i >= 0 ? items_.list(i) : std::string());
    raise(Click, "Click");
}

void ComboBox::setDroppedDown(bool open) {
    if (droppedDown_ == open) {
        return;
    }
    droppedDown_ = open;
    notify(Property::DropDown);
}

void ComboBox::typeCharacter(int code) {
    if (style_ == Style::DropDownList) {
        return;
    }
    TextBox::typeCharacter(code);
}

void ListBox::addItem(std::string item) {
    items_.addItem(std::move(item));
    notify(Property::Items);
}

void ListBox::clear() {
    items_.clear();
    listIndex_ = -1;
    notify(Property::Items);
}

void ListBox::setListIndex(int i) {
    if (i < -1 || i >= listCount()) {
        throw RunTimeError(error_number::invalidProcedureCall,
                           "Índice de lista inválido: " + std::to_string(i));
    }
    if (listIndex_ == i) {
        return;
    }
    listIndex_ = i;
    notify(Property::ListIndex);
    raise(Click, "Click");
}

} // namespace usina::forms
