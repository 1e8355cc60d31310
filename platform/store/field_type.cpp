#include "platform/store/field_type.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace usina::store {
namespace {

bool isBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string upperBaseName(std::string_view declared) {
    std::string name(declared.substr(0, declared.find('(')));
    while (!name.empty() && isBlank(name.back()))
        name.pop_back();
    name.erase(name.begin(), std::find_if_not(name.begin(), name.end(), isBlank));
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return name;
}

bool contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

} // namespace

FieldType fieldTypeFromDeclared(std::string_view declared) {
    const std::string name = upperBaseName(declared);
    if (name.empty() || contains(name, "BLOB"))
        return FieldType::Any;
    if (name == "SMALLINT")
        return FieldType::SmallInt;
    if (name == "DATE")
        return FieldType::Date;
    if (name == "TIME")
        return FieldType::Time;
    if (contains(name, "INT"))
        return FieldType::Integer;
    if (contains(name, "CHAR") || contains(name, "CLOB") || contains(name, "TEXT"))
        return FieldType::Text;
    return FieldType::Double;
}

} // namespace usina::store
