#pragma once
// The translations of the fixed texts the process loop compares with the plant state or shows on the
// message line, many times a second: each looked up once per interface language, since the table of
// interface texts does not change while the program runs.

#include <string>
#include <unordered_map>

namespace usina {

class SharedServices;
class Station;

class TranslatedTexts {
public:
    explicit TranslatedTexts(Station& station);
    TranslatedTexts(const TranslatedTexts&) = delete;
    TranslatedTexts& operator=(const TranslatedTexts&) = delete;

    // TranslateText of `source`, as it gave it the first time in this language.
    const std::string& operator()(const std::string& source);

private:
    SharedServices& services;
    std::string language_;
    std::unordered_map<std::string, std::string> translations_;
};

} // namespace usina
