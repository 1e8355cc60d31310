// The export window as the operator sees it, in Portuguese, English and German (its longest captions),
// with every box ticked and the progress text shown.

#include "reports/form_datas.h"
#include "tests/export/screens/window_screenshot.h"

namespace usina::test {
namespace {

using ExportWindowScreen = WindowScreenTest;

TEST_P(ExportWindowScreen, ShowsEveryTextUncut) {
    auto& datas = static_cast<FormDatas&>(showInLanguage("FormDatas"));
    for (forms::CheckBox* box : {&datas.ChkReceita, &datas.ChkVeloc, &datas.ChkParc, &datas.ChkTemp,
                                 &datas.ChkPercent, &datas.ChkPeso, &datas.ChkCAP, &datas.ChkFalha}) {
        box->setValue(1);
    }
    datas.LblStatus.setCaption("Selecionando os registros ...  Aguarde.");
    shootAndCheck(datas, "export_window");
}

INSTANTIATE_TEST_SUITE_P(Languages, ExportWindowScreen, ::testing::Values("portugues", "ingles", "alemao"),
                         languageName);

} // namespace
} // namespace usina::test
