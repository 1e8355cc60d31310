// The main window while the plant runs: moistures filled, belt speeds and flows up, totals growing, a
// message on the line; saved as an image for a person to look at.

#include "app/plant_pictures.h"
#include "platform/qt/grab_form.h"
#include "platform/qt/qt_renderer.h"
#include "tests/process/process_fixture.h"
#include "tests/support_qt/offscreen_application.h"

#include <QApplication>
#include <QImage>

#include <filesystem>

namespace usina::test {

TEST_F(ProcessTest, TheRunningPlantsMainWindowIsSavedAsAnImage) {
    registerPlantPictures();
    offscreenApplication();
    plantConfig.bedLevel.fill(220);
    plantConfig.modelCode = 32;
    create();
    auto renderer = std::make_unique<qt::QtRenderer>(station->ws());
    station->run();
    fillMoistures(*station, {3, 4, 2.5, 5, 1});
    main().HScroll.setValue(100);
    startPlant();
    run(90);
    main().LblOcorrenc.setCaption("");
    services().ShowOccurrence(services().TranslateText("Registro Gravado"));
    QApplication::processEvents();

    EXPECT_GT(process().SiloSpeed[1], 0);
    EXPECT_NE(main().Txtprod_par.text(), "0,00");
    const QImage image = qt::grabForm(main());
    ASSERT_FALSE(image.isNull());
    std::filesystem::create_directories(USINA_ARTIFACTS_DIR);
    EXPECT_TRUE(image.save(QString::fromStdString(
        (std::filesystem::path(USINA_ARTIFACTS_DIR) / "main_window_running.png").string())));
    renderer.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace usina::test
