// The language window as the operator sees it from a station in Portuguese and in English: the
// button of the language in use greyed, every caption whole.

#include "tests/export/screens/window_screenshot.h"

namespace usina::test {
namespace {

using LanguageWindowScreen = WindowScreenTest;

TEST_P(LanguageWindowScreen, ShowsEveryButtonUncut) {
    shootAndCheck(showInLanguage("Idioma"), "language_window");
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageWindowScreen, ::testing::Values("portugues", "ingles"),
                         languageName);

} // namespace
} // namespace usina::test
