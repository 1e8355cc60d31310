#pragma once
// The mix editor's boxes and the alt_mist fields they show and store, in the order both are walked.

#include <array>

namespace usina::forms {
class TextBox;
}

namespace usina {

class FormAltera_rec;

struct MixBox {
    const char* field;
    forms::TextBox* box;
};

// The name, the rate, the five silo shares, the four additives with their delays, the five materials.
std::array<MixBox, 20> mixBoxes(FormAltera_rec& editor);

} // namespace usina
