// The constants screen as the operator sees it, in each of the six languages: nothing cut, and an
// image of it in the build's artifacts.

#include "app/plant_pictures.h"
#include "platform/qt/grab_form.h"
#include "platform/qt/qt_renderer.h"
#include "tests/config/config_fixture.h"
#include "tests/support_qt/cut_texts.h"
#include "tests/support_qt/offscreen_application.h"

#include <QApplication>
#include <QImage>

#include <filesystem>

namespace usina::test {

struct ScreenCase {
    // The language column.
    const char* name;
    // 32 has five temperature inputs; the others grey rows 4 and 5.
    int modelCode;
};

class ConstantsScreen : public ConfigTest, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(ConstantsScreen, ShowsEveryTextUncutAndIsSavedAsAnImage) {
    registerPlantPictures();
    offscreenApplication();
    sql("calranvik.mdb", std::string("UPDATE constantes SET idioma = '") + GetParam().name + "'");
    plantConfig.modelCode = static_cast<std::uint8_t>(GetParam().modelCode);
    auto renderer = std::make_unique<qt::QtRenderer>(build().ws());
    station->run();
    FormConfig& c = openConfig();
    // Live readings as the polling cycle shows them.
    const char* readings[] = {"118", "121", "97", "120", "64"};
    for (int i = 1; i <= 5; ++i) {
        c.Txtccarga[i].setText(readings[i - 1]);
    }
    QApplication::processEvents();

    QWidget* window = renderer->windowOf(c);
    ASSERT_NE(window, nullptr);
    for (const std::string& cut : cutTexts(*window)) {
        ADD_FAILURE() << cut;
    }
    const QImage image = qt::grabForm(c);
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(image.width(), c.clientWidth());
    EXPECT_GE(image.height(), c.clientHeight());
    std::filesystem::create_directories(USINA_ARTIFACTS_DIR);
    const std::filesystem::path file =
        std::filesystem::path(USINA_ARTIFACTS_DIR) / (std::string("constants_") + GetParam().name + ".png");
    EXPECT_TRUE(image.save(QString::fromStdString(file.string())));
    renderer.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

INSTANTIATE_TEST_SUITE_P(Languages, ConstantsScreen,
                         ::testing::Values(ScreenCase{"portugues", 32}, ScreenCase{"espanhol", 50},
                                           ScreenCase{"ingles", 50}, ScreenCase{"italiano", 50},
                                           ScreenCase{"frances", 50}, ScreenCase{"alemao", 50}),
                         ByName());

} // namespace usina::test
