#pragma once
// Format masks as the windows use them.
//  numbers: "0" a digit always shown, "#" a digit shown when significant, "." the decimal comma;
//           half away from zero on the 15-significant-digit decimal form; integer digits never cut;
//           no "0" before the separator means no leading zero (",50"); "-" leads a negative number.
//  texts:   "@" one character position, filled from the right, or from the left when the mask
//           begins with "!".
//  dates:   "dd/mm/yy", "mm/dd/yy", "dd/mm/yyyy".

#include "value.h"

#include <string>
#include <string_view>

namespace usina {

std::string formatNumber(double number, std::string_view mask);
// A number mask read once, for the many numbers of a list or a file. Not a number mask: invalid
// procedure call.
class NumberFormat {
public:
    explicit NumberFormat(std::string_view mask);
    std::string operator()(double number) const;
    // The same, added at the end of `text`.
    void appendTo(std::string& text, double number) const;

private:
    std::size_t wholeMinDigits_ = 0;
    std::size_t fractionDigits_ = 0;
    std::size_t fractionMinDigits_ = 0;
    bool hasSeparator_ = false;
};
std::string formatText(std::string_view text, std::string_view mask);
std::string formatDate(Date date, std::string_view mask);
// Chooses by the mask and the value: a number mask formats a number or a numeric text (another text
// comes back unchanged), a text mask any value's text, a date mask a date or a text that reads as one
// (another text comes back unchanged), the empty mask gives the general form. Null gives "", and so
// does Empty with a number or date mask. A mask outside this grammar: invalid procedure call.
std::string format(const Value& value, std::string_view mask);
// As above; a day/month text with a date mask takes the year of `today` (without it, it stays as typed).
std::string format(const Value& value, std::string_view mask, Date today);

} // namespace usina
