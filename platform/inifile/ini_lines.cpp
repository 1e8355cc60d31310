#include "platform/inifile/ini_lines.h"

#include "platform/value/text.h"

namespace usina::inifile {

namespace {

constexpr std::string_view blanks = " \t";
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// A file saved by an editor that marks UTF-8 still has its first header recognised.
std::string_view withoutByteOrderMark(std::string_view line) {
    return line.starts_with(byteOrderMark) ? line.substr(byteOrderMark.size()) : line;
}

} // namespace

std::string_view trimIniBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::vector<IniLine> splitIniLines(std::string_view content) {
    std::vector<IniLine> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        // CR LF, LF, or a CR alone (as an old editor may leave it) each end a line.
        const std::size_t textEnd = content.find_first_of("\r\n", start);
        if (textEnd == std::string_view::npos) {
            lines.push_back({std::string(content.substr(start)), ""});
            break;
        }
        const bool crlf = content.substr(textEnd).starts_with("\r\n");
        const std::size_t endLength = crlf ? 2 : 1;
        lines.push_back({std::string(content.substr(start, textEnd - start)),
                         std::string(content.substr(textEnd, endLength))});
        start = textEnd + endLength;
    }
    return lines;
}

std::string joinIniLines(const std::vector<IniLine>& lines) {
    std::string content;
    for (const IniLine& line : lines) {
        content += line.text;
        content += line.end;
    }
    return content;
}

std::string lineEndOf(const std::vector<IniLine>& lines) {
    bool anyLf = false;
    bool anyCr = false;
    for (const IniLine& line : lines) {
        if (line.end == "\r\n") {
            return "\r\n";
        }
        anyLf = anyLf || line.end == "\n";
        anyCr = anyCr || line.end == "\r";
    }
    return anyLf ? "\n" : anyCr ? "\r" : "\r\n";
}

std::optional<std::string_view> sectionHeaderName(std::string_view line) {
    const std::string_view text = trimIniBlanks(withoutByteOrderMark(line));
    if (!text.starts_with('[')) {
        return std::nullopt;
    }
    const std::size_t close = text.find(']');
    return trimIniBlanks(
        text.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

std::optional<IniKeyValue> keyValueOf(std::string_view line) {
    const std::string_view text = trimIniBlanks(line);
    const std::size_t equals = text.find('=');
    if (text.starts_with(';') || text.starts_with('[') || equals == std::string_view::npos) {
        return std::nullopt;
    }
    return IniKeyValue{trimIniBlanks(text.substr(0, equals)), trimIniBlanks(text.substr(equals + 1))};
}

bool sameIniName(std::string_view a, std::string_view b) {
    return compareFolded(a, b) == 0;
}

std::optional<IniSectionRange> findSection(const std::vector<IniLine>& lines, std::string_view section) {
    for (std::size_t header = 0; header < lines.size(); ++header) {
        const std::optional<std::string_view> name = sectionHeaderName(lines[header].text);
        if (!name || !sameIniName(*name, section)) {
            continue;
        }
        std::size_t end = header + 1;
        while (end < lines.size() && !sectionHeaderName(lines[end].text)) {
            ++end;
        }
        return IniSectionRange{header, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> findKey(const std::vector<IniLine>& lines, IniSectionRange range,
                                   std::string_view key) {
    for (std::size_t at = range.header + 1; at < range.end; ++at) {
        const std::optional<IniKeyValue> entry = keyValueOf(lines[at].text);
        if (entry && sameIniName(entry->key, key)) {
            return at;
        }
    }
    return std::nullopt;
}

} // namespace usina::inifile
