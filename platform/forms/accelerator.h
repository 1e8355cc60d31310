#pragma once
// The access keys of captions: "&Gerar Relatório" is reached with Alt+G. "&&" is a plain "&".

#include <string>

namespace usina::forms {

class Control;

// The key code of the caption's access key (the upper-case letter or the digit after a single "&");
// 0 when it has none.
int acceleratorOf(const std::string& caption);
// The caption as it reads on screen: the "&" marks taken out, "&&" shown as one "&".
std::string withoutAcceleratorMarks(const std::string& caption);
// The caption of a control that has one (button, check box, option, label, frame); empty otherwise.
const std::string& captionOf(const Control& control);

} // namespace usina::forms
