#pragma once
// A report's list line: texts in columns of fixed width, as the list's fixed-pitch font shows them.

#include <string>
#include <vector>

namespace usina {

struct LineColumn {
    // Characters; 0 takes the text as it is.
    int width = 0;
    // "!@@@": the text at the left, blanks after it; otherwise at the right, blanks before it.
    bool alignLeft = false;
};

// Blanks between texts, as a column of that width with an empty text.
inline LineColumn blanks(int count) {
    return LineColumn{count, false};
}

// One text per column. A text that fits is placed as its mask places it. A longer one is never cut: it
// takes the blanks its neighbour leaves towards it, keeping one blank between the two texts, and only
// what finds no room there makes the line longer, so the figures stay under their headings.
std::string fixedWidthLine(const std::vector<LineColumn>& columns, const std::vector<std::string>& texts);

} // namespace usina
