// The production report, and with it the mechanism the three grouped reports share: the sums per mix,
// the grouping table's slots between builds, the report number, the stored rows, the date boxes and
// printing.

#include "platform/value/text.h"
#include "tests/reports/reports_fixture.h"

namespace usina::test {

namespace {

std::string productionLine(const std::string& mix, const std::string& tons) {
    return "  " + mix + std::string(47 - charCount(mix), ' ') + std::string(7 - tons.size(), ' ') + tons;
}

} // namespace

TEST_F(ReportsTest, ThreeMixesOfTheDayGiveThreeRowsInNameOrderAtTheOpening) {
    production("2026-12-10", "07:00:00", "'PMF'", "10.5");
    production("2026-12-10", "07:10:00", "'Binder'", "20");
    production("2026-12-10", "07:20:00", "'PMF'", "4.25");
    production("2026-12-10", "07:30:00", "'Água fria'", "1.5");
    production("2026-12-09", "07:30:00", "'Binder'", "100");
    start();
    FormRelProducao& report = open<FormRelProducao>();

    EXPECT_EQ(lines(report.ListRelProd),
              (std::vector<std::string>{productionLine("Água fria", "1,50"),
                                        productionLine("Binder", "20,00"), productionLine("PMF", "14,75")}));
    EXPECT_EQ(report.Label6.caption(), "00000001");
    EXPECT_EQ(report.datai.text(), "10/12/2026");
    const auto rows =
        stored("SELECT Num, \"Data_emissão\", \"Hora_emissão\", Nome_traco, Prod, DataSelecao, item "
               "FROM RelProducao WHERE Num = '00000001' ORDER BY item");
    ASSERT_EQ(rows.size(), 3u);
    const char* mixes[] = {"Água fria", "Binder", "PMF"};
    const char* tons[] = {"1,50", "20,00", "14,75"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(rows[i][1].text, "2026-12-10");
        EXPECT_EQ(rows[i][2].text, "08:00:00");
        EXPECT_EQ(rows[i][3].text, mixes[i]);
        EXPECT_EQ(rows[i][4].text, tons[i]);
        EXPECT_EQ(rows[i][5].text, "10/12/26 ate 10/12/26");
        EXPECT_EQ(rows[i][6].number, static_cast<double>(i + 1));
    }
}

TEST_F(ReportsTest, EveryOpeningStoresTheDaysReportUnderTheNextNumberAndAnEmptyDayStoresNothing) {
    start();
    FormRelProducao& empty = open<FormRelProducao>();
    EXPECT_TRUE(lines(empty.ListRelProd).empty());
    EXPECT_EQ(empty.Label6.caption(), "");
    EXPECT_EQ(reportRows("RelProducao"), 1);
    empty.Unload();

    production("2026-12-10", "07:00:00", "'CBUQ'", "8");
    std::vector<std::string> first = lines(open<FormRelProducao>().ListRelProd);
    station->form<FormRelProducao>().Unload();
    FormRelProducao& second = open<FormRelProducao>();
    EXPECT_EQ(second.Label6.caption(), "00000002");
    EXPECT_EQ(lines(second.ListRelProd), first);
    EXPECT_EQ(stored("SELECT Num FROM RelProducao WHERE Nome_traco = 'CBUQ' ORDER BY rowid").size(), 2u);
}

TEST_F(ReportsTest, AMixProducedAgainAfterAnotherKeepsAddingToItsOneLine) {
    production("2026-12-10", "07:00:00", "'CBUQ'", "10");
    production("2026-12-10", "07:10:00", "'Binder'", "5");
    production("2026-12-10", "07:20:00", "'CBUQ'", "2.5");
    production("2026-12-10", "07:30:00", "'cbuq'", "1");
    start();
    EXPECT_EQ(lines(open<FormRelProducao>().ListRelProd),
              (std::vector<std::string>{productionLine("Binder", "5,00"), productionLine("CBUQ", "12,50"),
                                        productionLine("cbuq", "1,00")}));
}

TEST_F(ReportsTest, ASecondClickWithTheRangeUnchangedBuildsOnTheSlotsOfTheFirst) {
    production("2026-12-01", "07:00:00", "'PMF'", "10");
    production("2026-12-01", "07:10:00", "'Binder'", "5");
    start();
    FormRelProducao& report = open<FormRelProducao>();
    generate(report, "01/12/2026", "05/12/2026");
    EXPECT_EQ(lines(report.ListRelProd),
              (std::vector<std::string>{productionLine("Binder", "5,00"), productionLine("PMF", "10,00")}));
    EXPECT_EQ(report.Label6.caption(), "00000001");

    production("2026-12-02", "07:00:00", "'Asfalto frio'", "3");
    production("2026-12-02", "07:10:00", "'PMF'", "1");
    station->ws().click(report.CmdOk);
    const std::vector<std::string> builtOn{productionLine("Binder", "5,00"), productionLine("PMF", "11,00"),
                                           productionLine("Asfalto frio", "3,00")};
    EXPECT_EQ(lines(report.ListRelProd), builtOn);
    EXPECT_EQ(report.Label6.caption(), "00000002");
    const auto items =
        stored("SELECT Nome_traco, item FROM RelProducao WHERE Num = '00000002' ORDER BY item");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[2][0].text, "Asfalto frio");
    EXPECT_EQ(items[2][1].number, 3);

    // A box that loses the focus empties the slots: the next build is in name order again.
    station->ws().focusByPerson(report.dataf);
    station->ws().click(report.CmdOk);
    EXPECT_EQ(lines(report.ListRelProd).front(), productionLine("Asfalto frio", "3,00"));
}

TEST_F(ReportsTest, OnlyTheFirstHundredAndOneMixesInNameOrderFindASlot) {
    sql("datranvik.mdb", "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 102) "
                         "INSERT INTO Tabela (DATA, hora, receita, parcial) "
                         "SELECT '2026-12-03', '07:00:00', printf('Mix %03d', 103 - i), 1 FROM n");
    start();
    FormRelProducao& report = open<FormRelProducao>();
    generate(report, "03/12/2026", "03/12/2026");
    ASSERT_EQ(report.ListRelProd.listCount(), 101);
    EXPECT_EQ(report.ListRelProd.list(0), productionLine("Mix 001", "1,00"));
    EXPECT_EQ(report.ListRelProd.list(100), productionLine("Mix 101", "1,00"));
    EXPECT_EQ(stored("SELECT MAX(item) FROM RelProducao WHERE Num = '00000001'")[0][0].number, 101);
    EXPECT_TRUE(stored("SELECT 1 FROM RelProducao WHERE Nome_traco = 'Mix 102'").empty());
}

TEST_F(ReportsTest, NullsCountAsZeroAndARecordWithoutAMixIsAGroupOfItsOwn) {
    production("2026-12-10", "07:00:00", "'CBUQ'", "4");
    production("2026-12-10", "07:10:00", "'CBUQ'", "NULL");
    production("2026-12-10", "07:20:00", "NULL", "2");
    start();
    EXPECT_EQ(lines(open<FormRelProducao>().ListRelProd),
              (std::vector<std::string>{productionLine("", "2,00"), productionLine("CBUQ", "4,00")}));
}

struct NumberCase {
    const char* name;
    const char* lastReportRows; // SQL run on RelProducao before the report
    const char* expected;
};

class ReportNumber : public ReportsTest, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(ReportNumber, IsTheLastStoredNumberPlusOne) {
    if (*GetParam().lastReportRows != '\0') {
        sql("dat2.mdb", GetParam().lastReportRows);
    }
    production("2026-12-10", "07:00:00", "'CBUQ'", "1");
    start();
    EXPECT_EQ(open<FormRelProducao>().Label6.caption(), GetParam().expected);
    EXPECT_EQ(stored("SELECT Num FROM RelProducao ORDER BY rowid DESC LIMIT 1")[0][0].text,
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    LastRows, ReportNumber,
    ::testing::Values(NumberCase{"AsDelivered", "", "00000001"},
                      NumberCase{"NullNumber", "UPDATE RelProducao SET Num = NULL", "00000001"},
                      NumberCase{"EmptyTable", "DELETE FROM RelProducao", "00000001"},
                      NumberCase{"EarlierReports", "UPDATE RelProducao SET Num = '00000041'", "00000042"},
                      NumberCase{"NumberThatIsNoNumber", "UPDATE RelProducao SET Num = 'x'", "00000001"},
                      NumberCase{"BeyondSixteenBits", "UPDATE RelProducao SET Num = '00032767'", "00032768"}),
    [](const ::testing::TestParamInfo<NumberCase>& param) { return std::string(param.param.name); });

TEST_F(ReportsTest, LeavingADateBoxThatHoldsNoDateGivesItsMessageAndTheFocusBack) {
    start();
    FormRelProducao& report = open<FormRelProducao>();
    reports().ProductionReportRows.put("CBUQ", {"1,00"});
    ASSERT_TRUE(report.datai.hasFocus());
    report.datai.setText("");
    station->ws().focusByPerson(report.dataf);
    EXPECT_EQ(messageLine(), "Data invalida");
    EXPECT_EQ(desktop.beeps(), 1);
    EXPECT_TRUE(report.datai.hasFocus());
    EXPECT_TRUE(reports().ProductionReportRows.isEmpty());

    // A valid date in another form the system reads passes and still empties the slots.
    reports().ProductionReportRows.put("CBUQ", {"1,00"});
    report.datai.setText("1-12-26");
    station->ws().focusByPerson(report.dataf);
    EXPECT_TRUE(report.dataf.hasFocus());
    EXPECT_EQ(desktop.beeps(), 1);
    EXPECT_TRUE(reports().ProductionReportRows.isEmpty());
}

TEST_F(ReportsTest, GeneratingWithABoxThatHoldsNoDateWritesNothing) {
    production("2026-12-01", "07:00:00", "'CBUQ'", "1");
    start();
    FormRelProducao& report = open<FormRelProducao>();
    const int before = reportRows("RelProducao");
    station->ws().focusByPerson(report.CmdOk);
    for (const char* bad : {"", "31/02/2026", "ontem"}) {
        report.datai.setText("01/12/2026");
        report.dataf.setText(bad);
        station->ws().click(report.CmdOk);
        EXPECT_EQ(reportRows("RelProducao"), before) << bad;
        EXPECT_EQ(report.dataf.text(), "") << bad;
        EXPECT_TRUE(report.dataf.hasFocus()) << bad;
    }
    EXPECT_EQ(messageLine(), "Data invalida");
    EXPECT_EQ(desktop.beeps(), 3);
}

TEST_F(ReportsTest, PrintingPrintsTheWindowAndStoresNothing) {
    production("2026-12-10", "07:00:00", "'CBUQ'", "1");
    start();
    FormRelProducao& report = open<FormRelProducao>();
    const int before = reportRows("RelProducao");
    station->ws().click(report.CmdImprimir);
    EXPECT_EQ(desktop.printedForms(), std::vector<std::string>{"FormRelProducao"});
    EXPECT_TRUE(report.CmdOk.visible());
    EXPECT_TRUE(report.CmdImprimir.visible());
    EXPECT_EQ(reportRows("RelProducao"), before);
}

TEST_F(ReportsTest, WithoutAPrinterTheDialogSaysSoAndItsOkClosesBothWindows) {
    production("2026-12-10", "07:00:00", "'CBUQ'", "1");
    start();
    FormRelProducao& report = open<FormRelProducao>();
    desktop.setPrinterAvailable(false);
    bool cmdOkShown = false;
    bool cmdImprimirShown = true;
    desktop.whenWaiting([&] {
        FormErro4& dialog = station->form<FormErro4>();
        EXPECT_TRUE(dialog.isModal());
        EXPECT_EQ(dialog.caption(), "Ranvikv5013");
        EXPECT_EQ(dialog.Label1.caption(), "Não há impressora disponível!");
        cmdOkShown = report.CmdOk.visible();
        cmdImprimirShown = report.CmdImprimir.visible();
        station->ws().click(dialog.Command1);
    });
    station->ws().click(report.CmdImprimir);
    EXPECT_TRUE(cmdOkShown);
    EXPECT_FALSE(cmdImprimirShown);
    EXPECT_EQ(station->ws().peek<FormErro4>(), nullptr);
    EXPECT_EQ(station->ws().peek<FormRelProducao>(), nullptr);
    EXPECT_TRUE(reports().ProductionReportRows.isEmpty());
    EXPECT_EQ(stored("SELECT COUNT(*) FROM RelProducao WHERE Num = '00000001'")[0][0].number, 1);
}

TEST_F(ReportsTest, TheMainWindowsMenuFindsEveryReportByItsName) {
    start();
    for (const char* name : {"FormRelProducao", "FormRelMateriais", "FormRelPlaca", "FormRelTemp"}) {
        EXPECT_EQ(station->formNamed(name).name(), name);
    }
    EXPECT_NE(dynamic_cast<FormRelTemp*>(&station->formNamed("FormRelTemp")), nullptr);
}

} // namespace usina::test
