#pragma once
// Reading one character of a UTF-8 text. Header only: the key collation that stock SQLite tools load
// decodes keys exactly as the station does, without linking the value layer.

#include <cstddef>
#include <string_view>

namespace usina {

// One decoded character. A byte that does not start a well-formed sequence counts as one character
// of its own, so a text that is not valid UTF-8 is still cut and counted without losing bytes.
struct DecodedChar {
    char32_t codePoint;
    std::size_t length;
    bool wellFormed;
};

inline DecodedChar decodeUtf8At(std::string_view text, std::size_t at) noexcept {
    const auto lead = static_cast<unsigned char>(text[at]);
    const DecodedChar malformed{0xFFFD, 1, false};
    if (lead < 0x80) {
        return {lead, 1, true};
    }
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
        smallest = 0x10000;
    } else {
        return malformed;
    }
    if (at + length > text.size()) {
        return malformed;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            return malformed;
        }
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < smallest || codePoint > 0x10FFFF || surrogate) {
        return malformed;
    }
    return {codePoint, length, true};
}

} // namespace usina
