#pragma once

#include "text_box.h"

#include <string>

namespace usina::forms {

// An entry box that holds its text to a mask, as the truck plate's "???-9999": "?" takes a letter,
// "9" a digit, any other character of the mask (ASCII) is a literal that stands in the text as it is.
// Positions not typed yet show the prompt character. What the person types goes to the next free
// position (literals are stepped over); a character its position does not take is dropped quietly.
//
// text() is the text as shown, literals and prompts included ("ABC-12__"); clipText() only what was
// typed ("ABC12"). Code sets the text either way; a text that does not fit the mask is refused with
// run-time error 380.
class MaskedBox : public TextBox {
public:
    MaskedBox(Form& form, std::string name, int index = -1);

    const std::string& mask() const { return mask_; }
    // Empties the box to the new mask's prompts.
    void setMask(std::string mask);
    // One character; the box shows it in every free position.
    const std::string& promptChar() const { return prompt_; }
    void setPromptChar(std::string prompt);

    std::string clipText() const;
    void setText(std::string text) override;

    void typeCharacter(int windows1252Code) override;
    void backspace() override;
    void deleteForward() override;

private:
    bool isSlot(int position) const;
    bool takes(int position, int windows1252Code) const;
    std::string promptedText() const;
    // The characters of the text, one string each.
    std::vector<std::string> characters() const;
    void store(const std::vector<std::string>& characters, int caret);
    void clearSlots(int from, int to, int caret);
    void erase(bool forward);

    std::string mask_;
    std::string prompt_ = "_";
};

} // namespace usina::forms
