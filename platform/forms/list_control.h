#pragma once

#include "text_box.h"

#include <string>
#include <vector>

namespace usina::forms {

// The item list shared by list boxes and combo boxes: items, the chosen index (-1 none).
class ItemList {
public:
    void addItem(std::string item) { items_.push_back(std::move(item)); }
    void clear() { items_.clear(); }
    int listCount() const { return static_cast<int>(items_.size()); }
    const std::string& list(int i) const;
    const std::vector<std::string>& items() const { return items_; }
    int find(const std::string& text) const;

private:
    std::vector<std::string> items_;
};

// A combo box: an item list with a text part. Choosing an item (by the person, or by code setting
// the index) raises Click; setting the text does not. An editable combo's text is typed like a box's.
// Its list opens with F4 or Alt+Down and closes with F4, Alt+Up, Enter, Escape, a choice or the loss
// of the focus; the arrow keys choose in it, open or not.
class ComboBox : public TextBox {
public:
    enum class Style { DropDownCombo, DropDownList };
    ComboBox(Form& form, std::string name, int index = -1)
        : TextBox(form, std::move(name), index, ControlKind::ComboBox) {}

    Style style() const { return style_; }
    void setStyle(Style s) { style_ = s; }
    void addItem(std::string item);
    void clear();
    int listCount() const { return items_.listCount(); }
    const std::string& list(int i) const { return items_.list(i); }
    const std::vector<std::string>& items() const { return items_.items(); }
    int listIndex() const { return listIndex_; }
    void setListIndex(int i);
    bool droppedDown() const { return droppedDown_; }
    void setDroppedDown(bool open);

    void typeCharacter(int windows1252Code) override;

private:
    ItemList items_;
    Style style_ = Style::DropDownCombo;
    int listIndex_ = -1;
    bool droppedDown_ = false;
};

class ListBox : public Control {
public:
    ListBox(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::ListBox, std::move(name), index) {
        setBackColor(colors::windowBackground);
        setForeColor(colors::windowText);
    }
    void addItem(std::string item);
    void clear();
    int listCount() const { return items_.listCount(); }
    const std::string& list(int i) const { return items_.list(i); }
    const std::vector<std::string>& items() const { return items_.items(); }
    int listIndex() const { return listIndex_; }
    void setListIndex(int i);

private:
    ItemList items_;
    int listIndex_ = -1;
};

} // namespace usina::forms
