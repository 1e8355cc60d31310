// Closing the ticket stores the truck plate into the ticket's row, whichever way it closes, the end of
// the program included; OK with "Imprimir" ticked prints the window first, and without a printer the
// no-printer dialog says so.

#include "app/end_on_request.h"
#include "setup/idioma.h"
#include "tests/station/case_names.h"
#include "tests/ticket/ticket_fixture.h"

namespace usina::test {

namespace {

struct PlateCase {
    const char* name;
    // What the operator types into the plate box, or, where the box's own editing leaves a gap, the
    // text it then shows.
    std::string typed;
    bool shownText;
    const char* stored;
};

class PlateRule : public TicketTest, public ::testing::WithParamInterface<std::tuple<PlateCase, bool>> {};

TEST_P(PlateRule, StoresThePlateAsTheBoxShowsIt) {
    const auto& [c, byOk] = GetParam();
    start();
    FormRelCarga& shown = openTicket();
    if (c.shownText) {
        shown.MaskEdBox1.setText(c.typed);
    } else {
        ws().typeText(c.typed);
    }
    if (byOk) {
        ws().click(shown.CmdOk);
    } else {
        ws().closeByPerson(shown);
    }
    EXPECT_EQ(ticket(), nullptr);
    EXPECT_EQ(lastTicket("placa").at(0).text, c.stored);
    EXPECT_TRUE(desktop.printedForms().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Plates, PlateRule,
    ::testing::Combine(::testing::Values(PlateCase{"Whole", "ABC1234", false, "ABC-1234"},
                                         PlateCase{"LowerCase", "abc1234", false, "abc-1234"},
                                         PlateCase{"None", "", false, "s/placa"},
                                         PlateCase{"LastDigitMissing", "ABC123", false, "s/placa"},
                                         PlateCase{"LettersOnly", "ABC", false, "s/placa"},
                                         PlateCase{"ALetterClearedAfterwards", "AB_-1234", true, "AB_-1234"}),
                       ::testing::Bool()),
    [](const ::testing::TestParamInfo<std::tuple<PlateCase, bool>>& row) {
        return std::string(std::get<0>(row.param).name) + (std::get<1>(row.param) ? "ByOk" : "ByCloseBox");
    });

namespace {

enum class WayOut { closeBox, signal, languageChoice };

struct ProgramEnd {
    const char* name;
    WayOut way;
};

class PlateAtTheEnd : public TicketTest, public ::testing::WithParamInterface<ProgramEnd> {};

} // namespace

// The main window's unload is every way out of the program: it closes an open ticket first.
TEST_P(PlateAtTheEnd, TheEndOfTheProgramClosesAnOpenTicketAndItsPlateIsStored) {
    start();
    openTicket();
    ws().typeText("ABC1234");
    switch (GetParam().way) {
    case WayOut::closeBox:
        ws().closeByPerson(main());
        break;
    case WayOut::signal:
        endOnRequest(*station, true, "SIGTERM");
        break;
    case WayOut::languageChoice:
        ws().clickMenu(main().mnulingua);
        ws().click(window<Idioma>().Command1[2]);
        break;
    }
    EXPECT_TRUE(ws().ended());
    EXPECT_EQ(lastTicket("placa").at(0).text, "ABC-1234");
}

INSTANTIATE_TEST_SUITE_P(WaysOut, PlateAtTheEnd,
                         ::testing::Values(ProgramEnd{"CloseBox", WayOut::closeBox},
                                           ProgramEnd{"Signal", WayOut::signal},
                                           ProgramEnd{"LanguageChoice", WayOut::languageChoice}),
                         CaseName());

// The row is found again by its number, wherever the recordset was moved meanwhile.
TEST_F(TicketTest, ThePlateGoesIntoTheTicketsOwnRow) {
    start();
    ws().click(openTicket().CmdOk);
    FormRelCarga& second = openTicket();
    db().RelCargaRecordset.moveFirst();
    ws().typeText("XYZ9876");
    ws().click(second.CmdOk);
    const std::vector<Row> plates =
        database("dat2.mdb").query("SELECT placa FROM RelCarga ORDER BY codigo_cupom");
    ASSERT_EQ(plates.size(), 2u);
    EXPECT_EQ(plates.at(0).at(0).text, "s/placa");
    EXPECT_EQ(plates.at(1).at(0).text, "XYZ-9876");
}

// OK and "Imprimir" are out of the picture while it prints, and the plate is stored before.
TEST_F(TicketTest, OkWithImprimirTickedPrintsTheWindowThenCloses) {
    start();
    FormRelCarga& shown = openTicket();
    ws().typeText("ABC1234");
    ws().click(shown.ChkImprimir);
    ASSERT_EQ(shown.ChkImprimir.value(), 1);
    std::vector<bool> visibleWhilePrinting;
    std::string plateWhilePrinting;
    desktop.printThrough([&](forms::Form&) {
        visibleWhilePrinting = {shown.CmdOk.visible(), shown.ChkImprimir.visible()};
        plateWhilePrinting = lastTicket("placa").at(0).text;
    });
    ws().click(shown.CmdOk);
    EXPECT_EQ(desktop.printedForms(), std::vector<std::string>{"FormRelCarga"});
    EXPECT_EQ(visibleWhilePrinting, (std::vector<bool>{false, false}));
    EXPECT_EQ(plateWhilePrinting, "ABC-1234");
    EXPECT_EQ(ticket(), nullptr);
}

// The dialog is not translated; behind it the ticket waits with OK back, and its OK closes both, the
// plate stored.
TEST_F(TicketTest, WithoutAPrinterTheDialogSaysSoAndItsOkClosesBoth) {
    sql("calranvik.mdb", "UPDATE constantes SET idioma = 'alemao'");
    start();
    desktop.setPrinterAvailable(false);
    FormRelCarga& shown = openTicket();
    ws().typeText("ABC1234");
    ws().click(shown.ChkImprimir);
    bool waited = false;
    desktop.whenWaiting([&] {
        waited = true;
        FormErro1* dialog = station->ws().peek<FormErro1>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->visible());
        EXPECT_TRUE(dialog->isModal());
        EXPECT_EQ(dialog->caption(), "Ranvikv5013");
        EXPECT_EQ(dialog->Label1.caption(), "Não há impressora disponível!");
        EXPECT_EQ(dialog->Command1.caption(), "OK");
        ASSERT_NE(ticket(), nullptr);
        EXPECT_TRUE(ticket()->visible());
        EXPECT_TRUE(ticket()->CmdOk.visible());
        EXPECT_FALSE(ticket()->ChkImprimir.visible());
        ticket()->MaskEdBox1.setText("XYZ-9876");
        ws().click(dialog->Command1);
    });
    ws().click(shown.CmdOk);
    EXPECT_TRUE(waited);
    EXPECT_EQ(station->ws().peek<FormErro1>(), nullptr);
    EXPECT_EQ(ticket(), nullptr);
    EXPECT_EQ(lastTicket("placa").at(0).text, "XYZ-9876");
    EXPECT_EQ(errorLogRows(), 0);
}

// With the error trap armed the printing fault ends the same way, and nothing is logged.
TEST_F(TicketTest, WithoutAPrinterAndTheErrorTrapArmed) {
    start();
    services().ErrorTrapEnabled = 1;
    desktop.setPrinterAvailable(false);
    FormRelCarga& shown = openTicket();
    ws().click(shown.ChkImprimir);
    desktop.whenWaiting([&] { ws().click(window<FormErro1>().Command1); });
    ws().click(shown.CmdOk);
    EXPECT_EQ(ticket(), nullptr);
    EXPECT_EQ(lastTicket("placa").at(0).text, "s/placa");
    EXPECT_EQ(errorLogRows(), 0);
}

} // namespace

} // namespace usina::test
