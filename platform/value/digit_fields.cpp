#include "platform/value/digit_fields.h"

#include <algorithm>

namespace usina {

std::vector<std::string_view> splitAt(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator, start)) {
        fields.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    fields.push_back(text.substr(start));
    return fields;
}

std::optional<int> digitField(std::string_view field, std::size_t minDigits, std::size_t maxDigits) {
    const bool allDigits =
        std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!allDigits || field.size() < minDigits || field.size() > maxDigits) {
        return std::nullopt;
    }
    int number = 0;
    for (const char c : field) {
        number = number * 10 + (c - '0');
    }
    return number;
}

} // namespace usina
