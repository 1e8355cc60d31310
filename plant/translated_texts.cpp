#include "plant/translated_texts.h"

#include "core/shared_services.h"
#include "core/station.h"

namespace usina {

TranslatedTexts::TranslatedTexts(Station& station) : services(station.group<SharedServices>()) {}

const std::string& TranslatedTexts::operator()(const std::string& source) {
    if (language_ != services.LanguageColumn) {
        translations_.clear();
        language_ = services.LanguageColumn;
    }
    auto found = translations_.find(source);
    if (found == translations_.end()) {
        found = translations_.emplace(source, services.TranslateText(source)).first;
    }
    return found->second;
}

} // namespace usina
