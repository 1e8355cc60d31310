// Each report window prints through its own no-printer dialog, whose OK closes both windows.

#include "tests/reports/reports_fixture.h"

namespace usina::test {

template <class Pair> class NoPrinterDialogs : public ReportsTest {};

template <class Window, class Dialog, const char* Name> struct PrintedThrough {
    using window = Window;
    using dialog = Dialog;
    static constexpr const char* name = Name;
};

inline constexpr char plates[] = "Plates";
inline constexpr char materials[] = "Materials";
inline constexpr char production[] = "Production";
inline constexpr char temperatures[] = "Temperatures";

using ReportWindows = ::testing::Types<PrintedThrough<FormRelPlaca, FormErro2, plates>,
                                       PrintedThrough<FormRelMateriais, FormErro3, materials>,
                                       PrintedThrough<FormRelProducao, FormErro4, production>,
                                       PrintedThrough<FormRelTemp, FormErro5, temperatures>>;

struct ReportNames {
    template <class T> static std::string GetName(int) { return T::name; }
};

TYPED_TEST_SUITE(NoPrinterDialogs, ReportWindows, ReportNames);

TYPED_TEST(NoPrinterDialogs, OkClosesTheDialogAndItsReportWindow) {
    using Window = typename TypeParam::window;
    using Dialog = typename TypeParam::dialog;
    this->start();
    Window& report = this->template open<Window>();
    this->desktop.setPrinterAvailable(false);
    std::string caption;
    this->desktop.whenWaiting([&] {
        Dialog& dialog = this->station->template form<Dialog>();
        caption = dialog.caption() + " " + dialog.Label1.caption();
        this->station->ws().click(dialog.Command1);
    });
    this->station->ws().click(report.CmdImprimir);
    EXPECT_EQ(caption, "Ranvikv5013 Não há impressora disponível!");
    EXPECT_EQ(this->station->ws().template peek<Dialog>(), nullptr);
    EXPECT_EQ(this->station->ws().template peek<Window>(), nullptr);
}

} // namespace usina::test
