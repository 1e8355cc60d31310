#pragma once
// What changed on a control or a form, so the renderer updates only that.

namespace usina::forms {

enum class Property {
    Caption,
    Text,
    Selection,
    Enabled,
    Visible,
    Geometry,
    BackColor,
    ForeColor,
    Font,
    Alignment,
    Value,
    Range,
    Items,
    ListIndex,
    Gauge,
    Shortcut,
    Picture,
    Style,
    DropDown,
};

enum class FormEvent {
    Loaded,
    Shown,
    Hidden,
    Unloaded,
    Activated,
    Caption,
    Enabled,
    Modal,
};

} // namespace usina::forms
