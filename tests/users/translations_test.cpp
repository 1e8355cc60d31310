// The users windows and their messages in each of the six languages: no text is missing.

#include "platform/forms/check_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/label.h"
#include "tests/users/users_fixture.h"

namespace usina::test {

namespace {

std::string shownText(const forms::Control& c) {
    switch (c.kind()) {
    case forms::ControlKind::Label:
        return static_cast<const forms::Label&>(c).caption();
    case forms::ControlKind::CommandButton:
        return static_cast<const forms::CommandButton&>(c).caption();
    case forms::ControlKind::CheckBox:
        return static_cast<const forms::CheckBox&>(c).caption();
    default:
        return "";
    }
}

const char* const messages[] = {
    "Login Inválido",     "Senha Inválida.",        "Senha em Branco",          "Senhas diferentes",
    "Senha Alterada ",    "Login Invalido",         "Poder deve ser de 1 a 3 ", "Usuário já existe",
    "Usuário não existe", "Não pode excluir kremo", "Usuário em branco",
};

// Each case named after its language.
std::string languageName(const ::testing::TestParamInfo<const char*>& language) {
    return language.param;
}

} // namespace

class UsersInEveryLanguage : public UsersTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        sql("calranvik.mdb", std::string("UPDATE constantes SET idioma = '") + GetParam() + "'");
        UsersTest::SetUp();
    }
};

TEST_P(UsersInEveryLanguage, WindowsAndMessagesAreTranslated) {
    for (forms::Form* window : std::initializer_list<forms::Form*>{&senha(), &troca(), &usuario()}) {
        SCOPED_TRACE(window->name());
        EXPECT_NE(window->caption(), "");
        EXPECT_EQ(window->caption().find("#"), std::string::npos);
        for (const forms::Control* c : window->controls()) {
            const std::string text = shownText(*c);
            EXPECT_EQ(text.find("######"), std::string::npos) << c->name();
            EXPECT_EQ(text.find("naotem"), std::string::npos) << c->name();
            if (c->kind() != forms::ControlKind::TextBox && c->kind() != forms::ControlKind::ComboBox) {
                EXPECT_NE(text, "") << c->name();
            }
        }
    }
    for (const char* message : messages) {
        const std::string shown = services().TranslateText(message);
        EXPECT_NE(shown, "######") << message;
        EXPECT_NE(shown, "naotem") << message;
        EXPECT_NE(shown, "") << message;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, UsersInEveryLanguage,
                         ::testing::Values("portugues", "espanhol", "ingles", "italiano", "frances",
                                           "alemao"),
                         languageName);

} // namespace usina::test
