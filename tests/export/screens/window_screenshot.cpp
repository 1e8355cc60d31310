#include "tests/export/screens/window_screenshot.h"

#include "app/plant_pictures.h"
#include "platform/qt/grab_form.h"
#include "tests/support_qt/cut_texts.h"
#include "tests/support_qt/offscreen_application.h"
#include "tests/support_qt/shown_texts.h"

#include <QApplication>

#include <filesystem>
#include <set>

namespace usina::test {

namespace {

// A blank or half-drawn window has very few.
int colourCount(const QImage& image) {
    std::set<QRgb> seen;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            seen.insert(image.pixel(x, y));
        }
    }
    return static_cast<int>(seen.size());
}

} // namespace

WindowScreenTest::~WindowScreenTest() {
    renderer.reset();
    // Windows the renderer let go are deleted once Qt is back in its loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

forms::Form& WindowScreenTest::showInLanguage(const std::string& registeredName) {
    registerPlantPictures();
    offscreenApplication();
    sql("calranvik.mdb", std::string("UPDATE constantes SET idioma = '") + GetParam() + "'");
    create();
    renderer = std::make_unique<qt::QtRenderer>(station->ws());
    station->run();
    EXPECT_FALSE(station->ws().ended());
    forms::Form& form = station->formNamed(registeredName);
    form.Show();
    return form;
}

void WindowScreenTest::shootAndCheck(forms::Form& form, const std::string& name) {
    QApplication::processEvents();
    QWidget* window = renderer->windowOf(form);
    ASSERT_NE(window, nullptr);
    EXPECT_THAT(cutTexts(*window), ::testing::IsEmpty());
    EXPECT_THAT(untranslatedTexts(*window), ::testing::IsEmpty());
    const QImage image = qt::grabForm(form);
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(colourCount(image), 10);
    std::filesystem::create_directories(USINA_ARTIFACTS_DIR);
    const std::filesystem::path file =
        std::filesystem::path(USINA_ARTIFACTS_DIR) / (name + "_" + GetParam() + ".png");
    EXPECT_TRUE(image.save(QString::fromStdString(file.string())));
}

std::string languageName(const ::testing::TestParamInfo<const char*>& info) {
    return info.param;
}

} // namespace usina::test
