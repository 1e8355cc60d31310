// Every caption of the main window, and every message the shared services show, has its text in all
// six languages.

#include "platform/forms/check_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/menu_item.h"
#include "platform/forms/text_box.h"
#include "tests/station/case_names.h"
#include "tests/station/station_fixture.h"

namespace usina::test {

namespace {

std::string shownText(forms::Control& c) {
    switch (c.kind()) {
    case forms::ControlKind::Label:
        return static_cast<forms::Label&>(c).caption();
    case forms::ControlKind::Frame:
        return static_cast<forms::Frame&>(c).caption();
    case forms::ControlKind::CommandButton:
        return static_cast<forms::CommandButton&>(c).caption();
    case forms::ControlKind::CheckBox:
        return static_cast<forms::CheckBox&>(c).caption();
    case forms::ControlKind::TextBox:
        return static_cast<forms::TextBox&>(c).text();
    default:
        return "";
    }
}

const char* const languages[] = {"portugues", "espanhol", "ingles", "italiano", "frances", "alemao"};

// Messages of the shared services and the main window's load and unload.
const char* const messages[] = {
    "Use Números !",
    "Falha de Comunicação",
    "A produção escolhida excede a capacidade da usina.",
    "Desligar primeiro a Usina...",
    "Erro de execução",
    "Traço não encontrado:",
    "Valor inválido no traço:",
    "Valor inválido nas constantes:",
    "Nenhum traço cadastrado",
    "Iniciar Processo",
    "Desligar",
    "Desligando",
    "Malteno",
    "Cap/Rap",
};

} // namespace

class InEveryLanguage : public StationTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(InEveryLanguage, MainWindowShowsNoMissingOrEmptyTranslation) {
    sql("calranvik.mdb", std::string("UPDATE constantes SET idioma = '") + GetParam() + "'");
    start();
    EXPECT_EQ(services().LanguageColumn, GetParam());
    FormRanvikv5& form = main();
    EXPECT_EQ(form.caption().find("######"), std::string::npos) << form.caption();
    for (forms::Control* c : form.controls()) {
        const std::string text = shownText(*c);
        EXPECT_EQ(text.find("######"), std::string::npos) << c->qualifiedName();
        EXPECT_EQ(text.find("naotem"), std::string::npos) << c->qualifiedName();
    }
    for (forms::MenuItem* item : form.menuItems()) {
        EXPECT_EQ(item->caption().find("######"), std::string::npos) << item->name();
        EXPECT_EQ(item->caption().find("naotem"), std::string::npos) << item->name();
    }
    for (const char* message : messages) {
        const std::string shown = services().TranslateText(message);
        EXPECT_NE(shown, "######") << message;
        EXPECT_NE(shown, "naotem") << message;
        EXPECT_FALSE(shown.empty()) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, InEveryLanguage, ::testing::ValuesIn(languages), ParameterText());

} // namespace usina::test
