#pragma once
// Images of the operator's windows on the Qt renderer, offscreen, saved into the build's artifacts,
// with the checks that catch a blank window, a missing translation or a cut text.

#include "app/plant_pictures.h"
#include "platform/qt/grab_form.h"
#include "platform/qt/qt_renderer.h"
#include "tests/support_qt/cut_texts.h"
#include "tests/support_qt/offscreen_application.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include <filesystem>
#include <set>
#include <string>

namespace usina::test {

inline QApplication& screensApplication() {
    registerPlantPictures();
    return offscreenApplication();
}

// Checks the window as shown and saves its image as build/artifacts/NAME.png.
inline void checkAndSave(forms::Form& form, qt::QtRenderer& renderer, const std::string& name) {
    QApplication::processEvents();
    QWidget* window = renderer.windowOf(form);
    ASSERT_NE(window, nullptr) << name;
    for (auto* label : window->findChildren<QLabel*>()) {
        EXPECT_FALSE(label->text().contains("######")) << name << ": " << label->text().toStdString();
    }
    for (auto* button : window->findChildren<QAbstractButton*>()) {
        EXPECT_FALSE(button->text().contains("######")) << name << ": " << button->text().toStdString();
    }
    EXPECT_FALSE(window->windowTitle().contains("######")) << name;
    EXPECT_TRUE(cutTexts(*window).empty()) << name << ": " << ::testing::PrintToString(cutTexts(*window));

    const QImage image = qt::grabForm(form);
    ASSERT_FALSE(image.isNull()) << name;
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3) {
            colours.insert(image.pixel(x, y));
        }
    }
    EXPECT_GT(colours.size(), 5u) << name;
    std::filesystem::create_directories(USINA_ARTIFACTS_DIR);
    const std::filesystem::path file = std::filesystem::path(USINA_ARTIFACTS_DIR) / (name + ".png");
    EXPECT_TRUE(image.save(QString::fromStdString(file.string()))) << file;
}

// Cases named by their interface language.
struct ByLanguage {
    std::string operator()(const ::testing::TestParamInfo<const char*>& c) const { return c.param; }
};

// Windows the renderer let go are deleted once Qt is back in its loop.
inline void deleteReleasedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace usina::test
