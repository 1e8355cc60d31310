// The ticket on the Qt renderer: its image in each language, with a red cell and the status, and its
// printing, through the printer's own path into a PDF file, of the window without its OK and
// "Imprimir".

#include "app/plant_pictures.h"
#include "platform/qt/grab_form.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_renderer.h"
#include "platform/value/run_time_error.h"
#include "tests/station/case_names.h"
#include "tests/support_qt/cut_texts.h"
#include "tests/support_qt/offscreen_application.h"
#include "tests/support_qt/shown_texts.h"
#include "tests/ticket/ticket_fixture.h"

#include <QApplication>
#include <QImage>
#include <QProcess>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace usina::test {

namespace {

QApplication& application() {
    registerPlantPictures();
    return offscreenApplication();
}

std::filesystem::path artifact(const std::string& name) {
    std::filesystem::create_directories(USINA_ARTIFACTS_DIR);
    return std::filesystem::path(USINA_ARTIFACTS_DIR) / name;
}

bool isRed(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

int redPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += isRed(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

// The mean difference of two images of one size over `area`, the greatest of the three colours for
// each pixel. The PDF keeps the image compressed as a photograph: its edges come back a little off.
double meanDifference(const QImage& a, const QImage& b, const QRect& area) {
    const QImage first = a.convertToFormat(QImage::Format_RGB32);
    const QImage second = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = first.pixel(x, y);
            const QRgb q = second.pixel(x, y);
            sum += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return sum / (area.width() * area.height());
}

QRect areaOf(const forms::Control& control) {
    const forms::Rect& r = control.geometry();
    return {r.left, r.top, r.width, r.height};
}

class TicketOnScreen : public TicketTest {
protected:
    void SetUp() override {
        application();
        create();
        renderer = std::make_unique<qt::QtRenderer>(station->ws());
        station->run();
        ASSERT_FALSE(station->ws().ended());
    }
    void TearDown() override {
        renderer.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A ticket of a load whose channel 2 ran too hot.
    FormRelCarga& openHotTicket() {
        access().CurrentUserName = "kremo";
        sampled({{150, 160, 150, 100, 120}, {155, 185, 160, 110, 130}});
        FormRelCarga& shown = openTicket("12,34");
        ws().typeText("ABC1234");
        shown.TxtPesBruta.setText("32000");
        QApplication::processEvents();
        return shown;
    }

    std::unique_ptr<qt::QtRenderer> renderer;
};

class TicketInEveryLanguage : public TicketOnScreen, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        sql("calranvik.mdb", std::string("UPDATE constantes SET idioma = '") + GetParam() + "'");
        TicketOnScreen::SetUp();
    }
};

TEST_P(TicketInEveryLanguage, ShowsEveryTextWholeAndIsSavedAsAnImage) {
    FormRelCarga& shown = openHotTicket();
    EXPECT_EQ(shown.LblStatus.foreColor(), forms::colors::red);
    QWidget* window = renderer->windowOf(shown);
    ASSERT_NE(window, nullptr);
    EXPECT_THAT(cutTexts(*window), ::testing::IsEmpty());
    EXPECT_THAT(untranslatedTexts(*window), ::testing::IsEmpty());
    const QImage image = qt::grabForm(shown);
    ASSERT_FALSE(image.isNull());
    EXPECT_LE(image.width(), 800);
    EXPECT_LE(image.height(), 570);
    EXPECT_GT(redPixels(image), 100);
    EXPECT_TRUE(image.save(
        QString::fromStdString(artifact(std::string("load_ticket_") + GetParam() + ".png").string())));
}

INSTANTIATE_TEST_SUITE_P(Languages, TicketInEveryLanguage,
                         ::testing::Values("portugues", "espanhol", "ingles", "italiano", "frances",
                                           "alemao"),
                         ParameterText());

// The image pdfimages finds in the file, or a null image.
QImage imageInPdf(const std::filesystem::path& pdf) {
    const std::filesystem::path prefix = pdf.parent_path() / "extracted";
    const int status = QProcess::execute(
        "pdfimages", {"-png", QString::fromStdString(pdf.string()), QString::fromStdString(prefix.string())});
    if (status != 0) {
        return {};
    }
    return QImage(QString::fromStdString(prefix.string() + "-000.png"));
}

TEST_F(TicketOnScreen, PrintingPutsTheWindowsImageWithoutItsButtonsIntoThePage) {
    const std::filesystem::path pdf = folder.path() / "ticket.pdf";
    qt::QtBackend printing;
    printing.printIntoPdf(pdf);
    desktop.printThrough([&](forms::Form& form) { printing.printFormImage(form); });
    FormRelCarga& shown = openHotTicket();
    ws().click(shown.ChkImprimir);
    QApplication::processEvents();
    const QImage withButtons = qt::grabForm(shown, false);
    shown.CmdOk.setVisible(false);
    shown.ChkImprimir.setVisible(false);
    QApplication::processEvents();
    const QImage withoutButtons = qt::grabForm(shown, false);
    shown.CmdOk.setVisible(true);
    shown.ChkImprimir.setVisible(true);
    // The window is gone once it has printed.
    const QRect buttonAreas[] = {areaOf(shown.CmdOk), areaOf(shown.ChkImprimir)};

    ws().click(shown.CmdOk);
    EXPECT_EQ(ticket(), nullptr);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    const QImage printed = imageInPdf(pdf);
    ASSERT_FALSE(printed.isNull()) << "pdfimages (poppler-utils) found no image in " << pdf;
    ASSERT_EQ(printed.size(), withoutButtons.size());
    EXPECT_LT(meanDifference(printed, withoutButtons, printed.rect()), 2.0);
    EXPECT_GT(redPixels(printed), 100);
    for (const QRect& area : buttonAreas) {
        EXPECT_LT(meanDifference(printed, withoutButtons, area), 4.0);
        EXPECT_GT(meanDifference(printed, withButtons, area), 8.0);
    }
}

TEST_F(TicketOnScreen, TheNoPrinterDialogShowsItsTextWhole) {
    desktop.setPrinterAvailable(false);
    FormRelCarga& shown = openHotTicket();
    ws().click(shown.ChkImprimir);
    bool seen = false;
    desktop.whenWaiting([&] {
        QApplication::processEvents();
        FormErro1& dialog = window<FormErro1>();
        QWidget* dialogWindow = renderer->windowOf(dialog);
        ASSERT_NE(dialogWindow, nullptr);
        seen = true;
        EXPECT_THAT(cutTexts(*dialogWindow), ::testing::IsEmpty());
        EXPECT_TRUE(qt::grabForm(dialog).save(
            QString::fromStdString(artifact("load_ticket_no_printer.png").string())));
        ws().click(dialog.Command1);
    });
    ws().click(shown.CmdOk);
    EXPECT_TRUE(seen);
    EXPECT_EQ(ticket(), nullptr);
}

// No printing system to ask: no default printer, a fault the ticket traps.
TEST_F(TicketOnScreen, WithoutADefaultPrinterTheBackendSaysSo) {
    qputenv("CUPS_SERVER", QByteArray("/nonexistent/cups.sock"));
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    FormRelCarga& shown = openHotTicket();
    qt::QtBackend printing;
    try {
        printing.printFormImage(shown);
        FAIL() << "printed without a printer";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), 482);
    }
}

} // namespace

} // namespace usina::test
