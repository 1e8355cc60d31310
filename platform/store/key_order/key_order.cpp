#include "platform/store/key_order/key_order.h"

#include "platform/value/utf8_decoding.h"

#include <array>
#include <cstddef>

namespace usina::store {
namespace {

// In the order a tie on the letters is decided: a letter without an accent first.
enum class Accent : unsigned char {
    none,
    acute,
    grave,
    circumflex,
    tilde,
    diaeresis,
    ring,
    cedilla,
    stroke,
    caron,
    ligature,
};

// Where a character goes in the first two steps: one or two base letters (the ligatures), each with
// the character's accent.
struct Sorting {
    char32_t base[2];
    int count;
    Accent accent;
};

constexpr Sorting itself(char32_t c) {
    return {{c, 0}, 1, Accent::none};
}

constexpr Sorting letter(char base, Accent accent) {
    return {{static_cast<char32_t>(base), 0}, 1, accent};
}

constexpr Sorting ligature(char first, char second) {
    return {{static_cast<char32_t>(first), static_cast<char32_t>(second)}, 2, Accent::ligature};
}

// U+00C0 to U+00DF; the small letters U+00E0 to U+00FF take the same places, ÷ and ÿ apart.
constexpr std::array<Sorting, 32> latin1Letters = {
    letter('a', Accent::grave),
    letter('a', Accent::acute),
    letter('a', Accent::circumflex),
    letter('a', Accent::tilde),
    letter('a', Accent::diaeresis),
    letter('a', Accent::ring),
    ligature('a', 'e'),
    letter('c', Accent::cedilla),
    letter('e', Accent::grave),
    letter('e', Accent::acute),
    letter('e', Accent::circumflex),
    letter('e', Accent::diaeresis),
    letter('i', Accent::grave),
    letter('i', Accent::acute),
    letter('i', Accent::circumflex),
    letter('i', Accent::diaeresis),
    letter('d', Accent::stroke),
    letter('n', Accent::tilde),
    letter('o', Accent::grave),
    letter('o', Accent::acute),
    letter('o', Accent::circumflex),
    letter('o', Accent::tilde),
    letter('o', Accent::diaeresis),
    itself(0xD7),
    letter('o', Accent::stroke),
    letter('u', Accent::grave),
    letter('u', Accent::acute),
    letter('u', Accent::circumflex),
    letter('u', Accent::diaeresis),
    letter('y', Accent::acute),
    ligature('t', 'h'),
    ligature('s', 's'),
};

// Bytes that are no UTF-8 sort after every character, each by its value.
constexpr char32_t malformedBase = 0x110000;

constexpr char32_t codeOf(const DecodedChar& decoded, std::string_view text, std::size_t at) {
    return decoded.wellFormed ? decoded.codePoint : malformedBase + static_cast<unsigned char>(text[at]);
}

constexpr Sorting sortingOf(char32_t c) {
    if (c >= U'A' && c <= U'Z')
        return itself(c + 0x20);
    if (c >= 0xC0 && c <= 0xFF) {
        if (c == 0xF7)
            return itself(c);
        if (c == 0xFF)
            return letter('y', Accent::diaeresis);
        return latin1Letters[c & 0x1F];
    }
    // The letters of Windows-1252 beyond Latin-1.
    switch (c) {
    case 0x152:
    case 0x153:
        return ligature('o', 'e');
    case 0x160:
    case 0x161:
        return letter('s', Accent::caron);
    case 0x17D:
    case 0x17E:
        return letter('z', Accent::caron);
    case 0x178:
        return letter('y', Accent::diaeresis);
    default:
        return itself(c);
    }
}

// The capitals that the station has always folded when it matched keys: A to Z and those of Latin-1.
constexpr char32_t foldedAsBefore(char32_t c) {
    const bool upperAscii = c >= U'A' && c <= U'Z';
    const bool upperLatin1 = c >= 0xC0 && c <= 0xDE && c != 0xD7;
    return upperAscii || upperLatin1 ? c + 0x20 : c;
}

class Characters {
public:
    explicit Characters(std::string_view text) : text_(text) {}

    bool next(char32_t& c) {
        if (at_ >= text_.size())
            return false;
        const DecodedChar decoded = decodeUtf8At(text_, at_);
        c = codeOf(decoded, text_, at_);
        at_ += decoded.length;
        return true;
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

// The base letters of a text one by one, each with its accent.
class SortingUnits {
public:
    explicit SortingUnits(std::string_view text) : characters_(text) {}

    bool next(char32_t& base, Accent& accent) {
        if (used_ == current_.count) {
            char32_t c = 0;
            if (!characters_.next(c))
                return false;
            current_ = sortingOf(c);
            used_ = 0;
        }
        base = current_.base[used_++];
        accent = current_.accent;
        return true;
    }

private:
    Characters characters_;
    Sorting current_ = itself(0);
    int used_ = 1;
};

template <typename T> int sign(T a, T b) {
    return (a > b) - (a < b);
}

// `step` 1 compares the base letters, 2 the accents (the base letters being equal).
int compareStep(std::string_view a, std::string_view b, int step) {
    SortingUnits unitsA(a);
    SortingUnits unitsB(b);
    for (;;) {
        char32_t baseA = 0;
        char32_t baseB = 0;
        Accent accentA = Accent::none;
        Accent accentB = Accent::none;
        const bool moreA = unitsA.next(baseA, accentA);
        const bool moreB = unitsB.next(baseB, accentB);
        if (!moreA || !moreB)
            return sign(moreA, moreB);
        const int order = step == 1 ? sign(baseA, baseB) : sign(accentA, accentB);
        if (order != 0)
            return order;
    }
}

// The last step keeps two keys one key exactly when they always were.
int compareAsBefore(std::string_view a, std::string_view b) {
    Characters charactersA(a);
    Characters charactersB(b);
    for (;;) {
        char32_t ca = 0;
        char32_t cb = 0;
        const bool moreA = charactersA.next(ca);
        const bool moreB = charactersB.next(cb);
        if (!moreA || !moreB)
            return sign(moreA, moreB);
        const int order = sign(foldedAsBefore(ca), foldedAsBefore(cb));
        if (order != 0)
            return order;
    }
}

} // namespace

int compareKeys(std::string_view a, std::string_view b) noexcept {
    if (const int letters = compareStep(a, b, 1))
        return letters;
    if (const int accents = compareStep(a, b, 2))
        return accents;
    return compareAsBefore(a, b);
}

int compareKeysForSqlite(void*, int lengthA, const void* a, int lengthB, const void* b) noexcept {
    return compareKeys(std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(lengthA)),
                       std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(lengthB)));
}

} // namespace usina::store
