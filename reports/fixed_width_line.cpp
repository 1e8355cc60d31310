#include "reports/fixed_width_line.h"

#include "platform/value/text.h"

#include <algorithm>
#include <stdexcept>

namespace usina {

std::string fixedWidthLine(const std::vector<LineColumn>& columns, const std::vector<std::string>& texts) {
    if (columns.size() != texts.size()) {
        throw std::logic_error("list line: one text per column");
    }
    std::string line;     // ends with the last text placed
    long textEnd = 0;     // its length in characters
    long columnStart = 0; // where the column begins as designed
    bool anyText = false;
    bool lastRanOver = false; // the last text ran past the end of its column
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string& text = texts[i];
        const long size = static_cast<long>(charCount(text));
        const long width = columns[i].width > 0 ? columns[i].width : size;
        // A text at the right that is too long reaches back into the blanks before its column.
        const bool reachesBack = size > width && !columns[i].alignLeft;
        const long wanted = columns[i].alignLeft ? columnStart : columnStart + width - size;
        const long earliest = textEnd + (anyText && (lastRanOver || reachesBack) ? 1 : 0);
        if (size > 0) {
            const long start = std::max(wanted, earliest);
            line.append(static_cast<std::size_t>(start - textEnd), ' ');
            line += text;
            textEnd = start + size;
            anyText = true;
            lastRanOver = textEnd > columnStart + width;
        }
        columnStart += width;
    }
    if (textEnd < columnStart) {
        line.append(static_cast<std::size_t>(columnStart - textEnd), ' ');
    }
    return line;
}

} // namespace usina
