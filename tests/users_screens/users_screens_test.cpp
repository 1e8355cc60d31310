// The three users windows as a level-3 user sees them, in each of the six languages: nothing cut,
// nothing missing, saved as images.

#include "access/form_senha.h"
#include "access/form_usuario.h"
#include "access/trocasenha.h"
#include "app/plant_pictures.h"
#include "platform/forms/key_codes.h"
#include "platform/qt/grab_form.h"
#include "platform/qt/qt_renderer.h"
#include "tests/station/station_fixture.h"
#include "tests/support_qt/cut_texts.h"
#include "tests/support_qt/offscreen_application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>

#include <filesystem>

namespace usina::test {

namespace {

std::filesystem::path artifact(const std::string& name) {
    std::filesystem::create_directories(USINA_ARTIFACTS_DIR);
    return std::filesystem::path(USINA_ARTIFACTS_DIR) / name;
}

// Each case named after its language.
std::string languageName(const ::testing::TestParamInfo<const char*>& language) {
    return language.param;
}

} // namespace

class UsersScreens : public StationTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        registerPlantPictures();
        offscreenApplication();
        sql("calranvik.mdb", std::string("UPDATE constantes SET idioma = '") + GetParam() + "'");
        create();
        renderer = std::make_unique<qt::QtRenderer>(station->ws());
        station->run();
        ASSERT_FALSE(station->ws().ended());
        // One window on screen at a time: on a busy machine Qt's answers to the activations the model
        // asks for come late, and two windows could then pass the activation back and forth.
        main().Hide();
    }
    void TearDown() override {
        renderer.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Shown and drawn; its texts all fit, none is missing; saved as users_NAME_LANGUAGE.png.
    void check(forms::Form& form) {
        SCOPED_TRACE(form.name());
        QApplication::processEvents();
        QWidget* window = renderer->windowOf(form);
        ASSERT_NE(window, nullptr);
        EXPECT_THAT(cutTexts(*window), ::testing::IsEmpty());
        for (auto* label : window->findChildren<QLabel*>()) {
            EXPECT_FALSE(label->text().contains("######")) << label->text().toStdString();
        }
        for (auto* button : window->findChildren<QAbstractButton*>()) {
            EXPECT_FALSE(button->text().contains("######")) << button->text().toStdString();
        }
        const QImage image = qt::grabForm(form);
        ASSERT_FALSE(image.isNull());
        EXPECT_TRUE(image.save(
            QString::fromStdString(artifact("users_" + form.name() + "_" + GetParam() + ".png").string())));
    }

    forms::WindowSystem& ws() { return station->ws(); }
    FormSenha& identifiedUsersScreen() {
        FormSenha& senha = station->form<FormSenha>();
        senha.Show();
        for (const char* typed : {"kremo", "kremo"}) {
            ws().typeText(typed);
            ws().pressKey(forms::keys::enter, 0, forms::keys::enter);
        }
        ws().click(senha.h_senha);
        EXPECT_TRUE(senha.botusu.enabled());
        return senha;
    }

    std::unique_ptr<qt::QtRenderer> renderer;
};

// Each window as the person reaches it: the users screen after a level-3 identification with "Senhas"
// ticked, then its two buttons.
TEST_P(UsersScreens, EachWindowFitsItsTexts) {
    check(identifiedUsersScreen());
    ws().click(station->form<FormSenha>().botsenha);
    trocasenha& change = station->form<trocasenha>();
    ASSERT_TRUE(change.visible());
    check(change);
    ws().closeByPerson(change);

    ws().click(identifiedUsersScreen().botusu);
    FormUsuario& users = station->form<FormUsuario>();
    ASSERT_TRUE(users.visible());
    check(users);
}

INSTANTIATE_TEST_SUITE_P(Languages, UsersScreens,
                         ::testing::Values("portugues", "espanhol", "ingles", "italiano", "frances",
                                           "alemao"),
                         languageName);

} // namespace usina::test
