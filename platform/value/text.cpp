#include "platform/value/text.h"

#include "platform/value/run_time_error.h"
#include "platform/value/utf8_decoding.h"

#include <algorithm>
#include <array>

namespace usina {

namespace {

void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// 0x80..0x9F of Windows-1252. The five codes the page leaves undefined map to the C1 control of the
// same number, as Windows itself does, so they survive a round trip.
constexpr std::array<char32_t, 32> highControlsPage = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr int questionMark = 63;

} // namespace

std::size_t charCount(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < utf8.size(); at += decodeUtf8At(utf8, at).length) {
        ++count;
    }
    return count;
}

bool isWellFormedUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const DecodedChar decoded = decodeUtf8At(text, at);
        if (!decoded.wellFormed) {
            return false;
        }
        at += decoded.length;
    }
    return true;
}

std::size_t byteOffsetOfChar(std::string_view utf8, std::size_t index) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < index && at < utf8.size(); ++i) {
        at += decodeUtf8At(utf8, at).length;
    }
    return at;
}

std::string leftChars(std::string_view utf8, std::size_t n) {
    return std::string(utf8.substr(0, byteOffsetOfChar(utf8, n)));
}

std::string rightChars(std::string_view utf8, std::size_t n) {
    const std::size_t count = charCount(utf8);
    return n >= count ? std::string(utf8) : std::string(utf8.substr(byteOffsetOfChar(utf8, count - n)));
}

std::string midChars(std::string_view utf8, std::size_t from, std::size_t n) {
    const std::string_view tail = utf8.substr(byteOffsetOfChar(utf8, from));
    return n == std::string::npos ? std::string(tail)
                                  : std::string(tail.substr(0, byteOffsetOfChar(tail, n)));
}

std::string trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

int windows1252FromCodePoint(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<int>(codePoint);
    }
    const auto* found = std::find(highControlsPage.begin(), highControlsPage.end(), codePoint);
    return found == highControlsPage.end() ? questionMark
                                           : 0x80 + static_cast<int>(found - highControlsPage.begin());
}

char32_t codePointFromWindows1252(int code) {
    if (code < 0 || code > 0xFF) {
        throw invalidProcedureCallError();
    }
    if (code >= 0x80 && code <= 0x9F) {
        return highControlsPage[static_cast<std::size_t>(code - 0x80)];
    }
    return static_cast<char32_t>(code);
}

std::string toWindows1252(std::string_view utf8) {
    std::string out;
    appendWindows1252(out, utf8);
    return out;
}

void appendWindows1252(std::string& out, std::string_view utf8) {
    out.reserve(out.size() + utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        // Runs of plain ASCII are the same in both and go over at once.
        const std::size_t run = static_cast<std::size_t>(
            std::find_if(utf8.begin() + static_cast<std::ptrdiff_t>(at), utf8.end(),
                         [](char c) { return static_cast<unsigned char>(c) >= 0x80; }) -
            utf8.begin());
        out.append(utf8.substr(at, run - at));
        if (run == utf8.size()) {
            return;
        }
        const DecodedChar decoded = decodeUtf8At(utf8, run);
        const int code = decoded.wellFormed ? windows1252FromCodePoint(decoded.codePoint) : questionMark;
        out += static_cast<char>(static_cast<unsigned char>(code));
        at = run + decoded.length;
    }
}

std::string fromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        appendUtf8(out, codePointFromWindows1252(static_cast<unsigned char>(byte)));
    }
    return out;
}

std::string charFromWindows1252(int code) {
    std::string out;
    appendUtf8(out, codePointFromWindows1252(code));
    return out;
}

std::string foldCase(std::string_view utf8) {
    constexpr char32_t multiplicationSign = 0xD7;
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const DecodedChar decoded = decodeUtf8At(utf8, at);
        const char32_t c = decoded.codePoint;
        const bool upperAscii = c >= U'A' && c <= U'Z';
        const bool upperLatin1 = c >= 0xC0 && c <= 0xDE && c != multiplicationSign;
        if (decoded.wellFormed && (upperAscii || upperLatin1)) {
            appendUtf8(out, c + 0x20);
        } else {
            out.append(utf8.substr(at, decoded.length));
        }
        at += decoded.length;
    }
    return out;
}

int compareFolded(std::string_view a, std::string_view b) {
    // std::string compares char_traits<char>, which orders bytes as unsigned.
    const int order = foldCase(a).compare(foldCase(b));
    return (order > 0) - (order < 0);
}

} // namespace usina
