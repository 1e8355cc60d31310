#include "platform/inifile/profile_strings.h"

#include "platform/inifile/ini_lines.h"
#include "platform/inifile/replace_file.h"
#include "platform/inifile/write_target.h"
#include "platform/value/text.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <utility>

namespace usina::inifile {

namespace {

// The whole file, or nullopt when it is no readable regular file (missing included).
std::optional<std::string> fileContent(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return std::nullopt;
    }
    try {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            return std::nullopt;
        }
        std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        return in.bad() ? std::nullopt : std::optional<std::string>(std::move(content));
    } catch (const std::ios_base::failure&) {
        // A read error (a disk fault) is a missing file to the reader, a failed write to the writer.
        return std::nullopt;
    }
}

bool breaksLines(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

bool writableNames(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view trimmedKey = trimIniBlanks(key);
    return !trimIniBlanks(section).empty() && !trimmedKey.empty() && !breaksLines(section) &&
           !breaksLines(key) && !breaksLines(value) && section.find(']') == std::string_view::npos &&
           key.find('=') == std::string_view::npos && !trimmedKey.starts_with(';') &&
           !trimmedKey.starts_with('[');
}

std::string keyLine(std::string_view key, std::string_view value) {
    return std::string(key) + "=" + std::string(value);
}

// A value written in quotes, single or double, is read without them.
std::string_view withoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

} // namespace

std::string readProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view defaultValue, std::size_t bufferSize) {
    const std::size_t limit = bufferSize == 0 ? 0 : bufferSize - 1;
    const std::optional<std::string> content = fileContent(file);
    if (content) {
        const std::vector<IniLine> lines = splitIniLines(*content);
        if (const std::optional<IniSectionRange> range = findSection(lines, section)) {
            if (const std::optional<std::size_t> at = findKey(lines, *range, key)) {
                return leftChars(withoutQuotes(keyValueOf(lines[*at].text)->value), limit);
            }
        }
    }
    return leftChars(defaultValue, limit);
}

ProfileWrite writeProfileString(const std::filesystem::path& file, std::string_view section,
                                std::string_view key, std::string_view value) {
    if (!writableNames(section, key, value)) {
        return ProfileWrite::refused;
    }
    const WriteTarget target = writeTargetOf(file);
    if (target.verdict != ProfileWrite::written) {
        return target.verdict;
    }
    std::vector<IniLine> lines;
    if (target.exists) {
        const std::optional<std::string> content = fileContent(target.file);
        if (!content) {
            return ProfileWrite::failed;
        }
        lines = splitIniLines(*content);
    }
    const std::string end = lineEndOf(lines);
    // A last line without its end gets one before anything follows it.
    if (!lines.empty() && lines.back().end.empty()) {
        lines.back().end = end;
    }

    const std::optional<IniSectionRange> range = findSection(lines, section);
    if (!range) {
        lines.push_back({"[" + std::string(section) + "]", end});
        lines.push_back({keyLine(key, value), end});
    } else if (const std::optional<std::size_t> at = findKey(lines, *range, key)) {
        lines[*at].text = keyLine(keyValueOf(lines[*at].text)->key, value);
    } else {
        // After the section's last non-blank line, so blank lines before the next section stay there.
        std::size_t insertAt = range->end;
        while (insertAt > range->header + 1 && trimIniBlanks(lines[insertAt - 1].text).empty()) {
            --insertAt;
        }
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                     IniLine{keyLine(key, value), end});
    }
    return replaceFileContent(target.file, joinIniLines(lines)) ? ProfileWrite::written
                                                                : ProfileWrite::failed;
}

int removeLeftoverWrites(const std::filesystem::path& file) {
    const WriteTarget target = writeTargetOf(file);
    const int removed = removeLeftoverTemporaries(file);
    return target.file == file ? removed : removed + removeLeftoverTemporaries(target.file);
}

} // namespace usina::inifile
