// The mix editor as the operator sees it, in each of the six languages: every text there, none cut,
// and an image of it in the build's artifacts.

#include "app/plant_pictures.h"
#include "platform/qt/grab_form.h"
#include "platform/qt/qt_renderer.h"
#include "setup/form_altera_rec.h"
#include "tests/station/station_fixture.h"
#include "tests/support_qt/cut_texts.h"
#include "tests/support_qt/offscreen_application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>

#include <filesystem>

namespace usina::test {

class MixEditorOnScreen : public StationTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(MixEditorOnScreen, ShowsEveryTextUncut) {
    registerPlantPictures();
    offscreenApplication();
    sql("calranvik.mdb", std::string("UPDATE constantes SET idioma = '") + GetParam() + "'");
    create();
    auto renderer = std::make_unique<qt::QtRenderer>(station->ws());
    station->run();
    ASSERT_FALSE(station->ws().ended());
    FormAltera_rec& editor = station->form<FormAltera_rec>();
    editor.Show();
    QApplication::processEvents();

    QWidget* window = renderer->windowOf(editor);
    ASSERT_NE(window, nullptr);
    std::vector<QString> texts{window->windowTitle()};
    for (auto* w : window->findChildren<QLabel*>()) {
        texts.push_back(w->text());
    }
    for (auto* w : window->findChildren<QGroupBox*>()) {
        texts.push_back(w->title());
    }
    for (auto* w : window->findChildren<QAbstractButton*>()) {
        texts.push_back(w->text());
    }
    EXPECT_GT(texts.size(), 30u);
    for (const QString& text : texts) {
        EXPECT_FALSE(text.contains("######")) << text.toStdString();
        EXPECT_FALSE(text.contains("naotem")) << text.toStdString();
    }
    EXPECT_THAT(cutTexts(*window), ::testing::IsEmpty());

    const QImage image = qt::grabForm(editor);
    ASSERT_FALSE(image.isNull());
    EXPECT_LE(image.width(), 800);
    EXPECT_LE(image.height(), 600);
    std::filesystem::create_directories(USINA_ARTIFACTS_DIR);
    const auto file =
        std::filesystem::path(USINA_ARTIFACTS_DIR) / (std::string("mix_editor_") + GetParam() + ".png");
    EXPECT_TRUE(image.save(QString::fromStdString(file.string())));
    renderer.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

INSTANTIATE_TEST_SUITE_P(Languages, MixEditorOnScreen,
                         ::testing::Values("portugues", "espanhol", "ingles", "italiano", "frances",
                                           "alemao"));

} // namespace usina::test
