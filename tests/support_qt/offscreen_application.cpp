#include "tests/support_qt/offscreen_application.h"

namespace usina::test {

QApplication& offscreenApplication() {
    static int argc = 1;
    static char name[] = "usina-tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's thread storage and input devices are gone by the time exit would destroy it.
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* made = new QApplication(argc, argv);
        // A steady caret: an image of a window does not depend on the moment it is taken.
        QApplication::setCursorFlashTime(0);
        return made;
    }();
    return *app;
}

} // namespace usina::test
