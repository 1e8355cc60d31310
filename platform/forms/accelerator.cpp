#include "accelerator.h"

#include "check_box.h"
#include "command_button.h"
#include "frame.h"
#include "label.h"

namespace usina::forms {

int acceleratorOf(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') {
            continue;
        }
        const char next = caption[i + 1];
        if (next == '&') {
            ++i;
            continue;
        }
        if (next >= 'a' && next <= 'z') {
            return next - 'a' + 'A';
        }
        if ((next >= 'A' && next <= 'Z') || (next >= '0' && next <= '9')) {
            return next;
        }
        return 0;
    }
    return 0;
}

std::string withoutAcceleratorMarks(const std::string& caption) {
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
        }
        shown += caption[i];
    }
    return shown;
}

const std::string& captionOf(const Control& control) {
    static const std::string none;
    switch (control.kind()) {
    case ControlKind::CommandButton:
        return static_cast<const CommandButton&>(control).caption();
    case ControlKind::CheckBox:
        return static_cast<const CheckBox&>(control).caption();
    case ControlKind::OptionButton:
        return static_cast<const OptionButton&>(control).caption();
    case ControlKind::Label:
        return static_cast<const Label&>(control).caption();
    case ControlKind::Frame:
        return static_cast<const Frame&>(control).caption();
    default:
        return none;
    }
}

} // namespace usina::forms
