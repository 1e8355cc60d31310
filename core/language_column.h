#pragma once
// Which column of the table of interface texts holds a language, by the name the plant constants give
// it ("ingles", also 'INGLES'): one of the six languages, compared without regard to case, that the
// table really has.

#include <optional>
#include <string>

namespace usina {

class Databases;

// The column as the table spells it; nullopt when the name is no language or the table lacks it.
std::optional<std::string> languageColumnNamed(const Databases& db, const std::string& name);

} // namespace usina
