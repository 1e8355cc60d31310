// Each report window with its list, in Portuguese and in English, as the operator sees it and as it is
// printed: no text cut, every list line whole in the list, the headings over their columns.

#include "app/plant_pictures.h"
#include "platform/qt/grab_form.h"
#include "platform/qt/qt_renderer.h"
#include "tests/reports/reports_fixture.h"
#include "tests/support_qt/cut_texts.h"
#include "tests/support_qt/offscreen_application.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>

#include <filesystem>

namespace usina::test {

namespace {

std::filesystem::path artifact(const std::string& name) {
    std::filesystem::create_directories(USINA_ARTIFACTS_DIR);
    return std::filesystem::path(USINA_ARTIFACTS_DIR) / name;
}

struct ScreenCase {
    const char* language;
    const char* window;
};

class ReportScreens : public ReportsTest, public ::testing::WithParamInterface<ScreenCase> {
protected:
    void SetUp() override {
        registerPlantPictures();
        offscreenApplication();
        sql("calranvik.mdb", std::string("UPDATE constantes SET idioma = '") + GetParam().language + "'");
        writeFixedHistory();
        create();
        renderer = std::make_unique<qt::QtRenderer>(station->ws());
        station->run();
        controller().HasFiveTemperatures = false;
    }
    void TearDown() override {
        renderer.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Opens the window, lists the fixed history and checks what it shows; the image of the window.
    QImage shown(ReportWindow& window, forms::ListBox& list) {
        window.Show();
        window.datai.setText("01/12/2026");
        window.dataf.setText("03/12/2026");
        station->ws().click(window.CmdOk);
        EXPECT_GT(list.listCount(), 3);
        QApplication::processEvents();
        QWidget* shownWindow = renderer->windowOf(window);
        EXPECT_NE(shownWindow, nullptr);
        if (shownWindow == nullptr) {
            return {};
        }
        EXPECT_THAT(cutTexts(*shownWindow), ::testing::IsEmpty());
        for (const QLabel* label : shownWindow->findChildren<QLabel*>()) {
            EXPECT_FALSE(label->text().contains("######")) << label->text().toStdString();
        }
        // The lines fit the list, so the printed image holds every column.
        for (QListWidget* widget : shownWindow->findChildren<QListWidget*>()) {
            const QFontMetrics metrics(widget->font());
            int widest = 0;
            for (int i = 0; i < widget->count(); ++i) {
                widest = std::max(widest, metrics.horizontalAdvance(widget->item(i)->text()));
            }
            EXPECT_LE(widest, widget->viewport()->width() - 4) << window.name();
            EXPECT_FALSE(widget->horizontalScrollBar()->isVisible()) << window.name();
        }
        return qt::grabForm(window, false);
    }

    std::unique_ptr<qt::QtRenderer> renderer;
};

} // namespace

TEST_P(ReportScreens, ShowTheListWholeAndUncut) {
    const std::string name = GetParam().window;
    QImage image;
    if (name == "FormRelProducao") {
        auto& w = station->form<FormRelProducao>();
        image = shown(w, w.ListRelProd);
    } else if (name == "FormRelMateriais") {
        auto& w = station->form<FormRelMateriais>();
        image = shown(w, w.ListRelMat);
    } else if (name == "FormRelPlaca") {
        auto& w = station->form<FormRelPlaca>();
        image = shown(w, w.ListRelPlacas);
    } else {
        auto& w = station->form<FormRelTemp>();
        image = shown(w, w.ListRelPlacas);
    }
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(
        image.save(QString::fromStdString(artifact(name + "_" + GetParam().language + ".png").string())));
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ReportScreens,
    ::testing::Values(ScreenCase{"portugues", "FormRelProducao"}, ScreenCase{"portugues", "FormRelMateriais"},
                      ScreenCase{"portugues", "FormRelPlaca"}, ScreenCase{"portugues", "FormRelTemp"},
                      ScreenCase{"ingles", "FormRelProducao"}, ScreenCase{"ingles", "FormRelMateriais"},
                      ScreenCase{"ingles", "FormRelPlaca"}, ScreenCase{"ingles", "FormRelTemp"}),
    [](const ::testing::TestParamInfo<ScreenCase>& param) {
        return std::string(param.param.window) + "_" + param.param.language;
    });

} // namespace usina::test
