#pragma once
// A window of the station shown on the offscreen Qt renderer, from a station in the language of the
// test's parameter, and saved as an image in the build's artifacts; the check is what a person would
// see wrong in it: texts cut where they are shown, and texts the translation table lacks.

#include "platform/forms/form.h"
#include "platform/qt/qt_renderer.h"
#include "tests/station/station_fixture.h"

#include <memory>
#include <string>

namespace usina::test {

class WindowScreenTest : public StationTest, public ::testing::WithParamInterface<const char*> {
protected:
    ~WindowScreenTest() override;
    // Starts the station in the language of the parameter, observed by the renderer, and shows the
    // window registered under `registeredName`.
    forms::Form& showInLanguage(const std::string& registeredName);
    // Saves build/artifacts/<name>_<language>.png and checks the window as shown.
    void shootAndCheck(forms::Form& form, const std::string& name);

    std::unique_ptr<qt::QtRenderer> renderer;
};

// Readable test names: the language.
std::string languageName(const ::testing::TestParamInfo<const char*>& info);

} // namespace usina::test
