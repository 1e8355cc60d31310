#include "tools/makedb/lingua_tsv.h"

#include "platform/value/text.h"
#include "tools/makedb/build_error.h"
#include "tools/makedb/read_file.h"

#include <string_view>

namespace usina::makedb {
namespace {

constexpr std::string_view nullCell = "\\N";
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

std::vector<std::string_view> splitOn(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string_view::npos; start = end + 1)
        pieces.push_back(text.substr(start, end - start));
    pieces.push_back(text.substr(start));
    return pieces;
}

std::string expectedHeader() {
    std::string header;
    for (const char* column : linguaColumns)
        header += (header.empty() ? "" : "\t") + std::string(column);
    return header;
}

} // namespace

std::vector<LinguaRow> readLinguaTsv(const std::filesystem::path& file) {
    std::string content = readWholeFile(file);
    if (content.starts_with(byteOrderMark))
        content.erase(0, byteOrderMark.size());
    std::vector<std::string_view> lines = splitOn(content, '\n');
    if (!lines.empty() && lines.back().empty())
        lines.pop_back(); // the newline that ends the last line
    const auto lineError = [&file](int lineNumber, const std::string& what) {
        return BuildError(file.string() + " line " + std::to_string(lineNumber) + ": " + what);
    };

    std::vector<LinguaRow> rows;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const int lineNumber = static_cast<int>(index) + 1;
        std::string_view line = lines[index];
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (!isWellFormedUtf8(line))
            throw lineError(lineNumber, "not valid UTF-8");
        if (lineNumber == 1) {
            if (line != expectedHeader())
                throw lineError(lineNumber,
                                "the header must be the TAB-separated column names " + expectedHeader());
            continue;
        }
        const std::vector<std::string_view> cells = splitOn(line, '\t');
        if (cells.size() != linguaColumns.size())
            throw lineError(lineNumber, std::to_string(cells.size()) + " columns, expected " +
                                            std::to_string(linguaColumns.size()));
        LinguaRow row;
        row.lineNumber = lineNumber;
        for (std::size_t column = 0; column < cells.size(); ++column)
            if (cells[column] != nullCell)
                row.cells[column] = std::string(cells[column]);
        if (!row.cells[0])
            throw lineError(lineNumber, "the key (texto) cannot be Null");
        if (row.cells[0]->empty())
            throw lineError(lineNumber, "the key (texto) is empty");
        rows.push_back(std::move(row));
    }
    if (rows.empty())
        throw BuildError(file.string() + ": no interface text after the header line");
    return rows;
}

} // namespace usina::makedb
