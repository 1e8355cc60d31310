// The splash and the main window as the operator sees them, in each of the six languages.

#include "app/plant_pictures.h"
#include "core/form_splash.h"
#include "platform/qt/grab_form.h"
#include "platform/qt/qt_renderer.h"
#include "tests/station/case_names.h"
#include "tests/station/station_fixture.h"
#include "tests/support_qt/cut_texts.h"
#include "tests/support_qt/offscreen_application.h"
#include "tests/support_qt/shown_texts.h"

#include <QApplication>
#include <QImage>

#include <filesystem>
#include <set>
#include <vector>

namespace usina::test {

namespace {

QApplication& application() {
    registerPlantPictures();
    return offscreenApplication();
}

// Windows the renderer let go are deleted once Qt is back in its loop.
void deleteReleasedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::filesystem::path artifact(const std::string& name) {
    std::filesystem::create_directories(USINA_ARTIFACTS_DIR);
    return std::filesystem::path(USINA_ARTIFACTS_DIR) / name;
}

// Distinct colours in an image: a blank or half-drawn window has very few.
int colourCount(const QImage& image) {
    std::set<QRgb> seen;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3) {
            seen.insert(image.pixel(x, y));
        }
    }
    return static_cast<int>(seen.size());
}

} // namespace

class MainWindowInEveryLanguage : public StationTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(MainWindowInEveryLanguage, OpensAndIsSavedAsAnImage) {
    application();
    sql("calranvik.mdb", std::string("UPDATE constantes SET idioma = '") + GetParam() + "'");
    plantConfig.modelCode = 50;
    // The renderer observes the window system from its first form on.
    create();
    auto renderer = std::make_unique<qt::QtRenderer>(station->ws());
    station->run();
    ASSERT_FALSE(station->ws().ended());
    QApplication::processEvents();

    QWidget* window = renderer->windowOf(main());
    ASSERT_NE(window, nullptr);
    EXPECT_THAT(test::cutTexts(*window), ::testing::IsEmpty());
    const std::vector<QString> texts = shownTexts(*window);
    EXPECT_GT(texts.size(), 100u);
    for (const QString& text : texts) {
        EXPECT_FALSE(text.contains("######")) << text.toStdString();
        EXPECT_FALSE(text.contains("naotem")) << text.toStdString();
    }

    const QImage image = qt::grabForm(main());
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(image.width(), 792);
    EXPECT_GE(image.height(), 529);
    EXPECT_GT(colourCount(image), 50);
    EXPECT_TRUE(image.save(
        QString::fromStdString(artifact(std::string("main_window_") + GetParam() + ".png").string())));
    renderer.reset();
    deleteReleasedWindows();
}

INSTANTIATE_TEST_SUITE_P(Languages, MainWindowInEveryLanguage,
                         ::testing::Values("portugues", "espanhol", "ingles", "italiano", "frances",
                                           "alemao"),
                         ParameterText());

// The start's own messages on the message line fit it.
TEST_F(StationTest, LanguageFallbackFitsTheMessageLine) {
    application();
    sql("calranvik.mdb", "UPDATE constantes SET idioma = 'portugues do Brasil, por favor'");
    create();
    auto renderer = std::make_unique<qt::QtRenderer>(station->ws());
    station->run();
    ASSERT_FALSE(station->ws().ended());
    QApplication::processEvents();
    EXPECT_THAT(main().LblOcorrenc.caption(), ::testing::HasSubstr("em português"));
    QWidget* window = renderer->windowOf(main());
    ASSERT_NE(window, nullptr);
    EXPECT_THAT(test::cutTexts(*window), ::testing::IsEmpty());
    EXPECT_TRUE(
        qt::grabForm(main()).save(QString::fromStdString(artifact("main_window_fallback.png").string())));
    renderer.reset();
    deleteReleasedWindows();
}

TEST_F(StationTest, SplashIsSavedAsAnImage) {
    application();
    create();
    auto renderer = std::make_unique<qt::QtRenderer>(station->ws());
    FormSplash& splash = station->form<FormSplash>();
    splash.Show();
    QApplication::processEvents();
    const QImage image = qt::grabForm(splash);
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(colourCount(image), 10);
    // The plant's emblem is painted in its place (the splash has no menu bar: the image is the client area).
    EXPECT_GT(colourCount(image.copy(24, 24, 120, 120)), 10);
    EXPECT_TRUE(image.save(QString::fromStdString(artifact("splash.png").string())));
    renderer.reset();
    deleteReleasedWindows();
}

} // namespace usina::test
