// The materials report: nine sums per mix, its rows and lines, and a grouping table emptied at every click.

#include "tests/reports/reports_fixture.h"

namespace usina::test {

TEST_F(ReportsTest, AMixThatDrewOnlyFromSilosOneAndFiveStoresZeroForTheOtherMaterials) {
    // tot_s1, tot_s2, tot_s3, tot_s4, par_asf, par_fil, par_fibra, tot_s5, par_malt
    production("2026-12-10", "07:00:00", "'Reciclado'", "10", "6, 0, 0, 0, 0, 0, 0, 4, 0");
    production("2026-12-10", "07:10:00", "'Reciclado'", "5", "3.25, 0, 0, 0, 0, 0, 0, NULL, 0");
    production("2026-12-10", "07:20:00", "'CBUQ'", "10", "2, 3, 1.5, 2.5, 0.55, 0.3, 0.05, 0, 0.1");
    start();
    FormRelMateriais& report = open<FormRelMateriais>();

    ASSERT_EQ(report.ListRelMat.listCount(), 2);
    EXPECT_EQ(report.ListRelMat.list(0),
              " CBUQ            2,00        3,00        1,50        2,50        0,55        0,30        0,05"
              "        0,00        0,10");
    EXPECT_EQ(report.ListRelMat.list(1),
              " Reciclado       9,25        0,00        0,00        0,00        0,00        0,00        0,00"
              "        4,00        0,00");
    EXPECT_EQ(report.ListRelMat.list(1).size(), 117u);
    EXPECT_EQ(report.Label11.caption(), "00000001");
    const auto row =
        stored("SELECT Num, Nome_traco, Silo1, Silo2, Silo3, Silo4, CAP, Filler, Fibra, Fresado, Malteno, "
               "DataSelecao, item FROM RelConMat WHERE Nome_traco = 'Reciclado'");
    ASSERT_EQ(row.size(), 1u);
    const char* expected[] = {"00000001", "Reciclado", "9,25", "0,00", "0,00", "0,00",
                              "0,00",     "0,00",      "0,00", "4,00", "0,00", "10/12/26 ate 10/12/26"};
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(row[0][i].text, expected[i]) << i;
    }
    EXPECT_EQ(row[0][12].number, 2);
}

TEST_F(ReportsTest, EveryClickOnTheMaterialsReportGroupsAfreshInNameOrder) {
    production("2026-12-01", "07:00:00", "'PMF'", "10", "1, 1, 1, 1, 1, 1, 1, 1, 1");
    start();
    FormRelMateriais& report = open<FormRelMateriais>();
    generate(report, "01/12/2026", "01/12/2026");
    production("2026-12-01", "07:10:00", "'Binder'", "10", "2, 2, 2, 2, 2, 2, 2, 2, 2");
    station->ws().click(report.CmdOk);
    ASSERT_EQ(report.ListRelMat.listCount(), 2);
    EXPECT_EQ(report.ListRelMat.list(0).substr(0, 11), " Binder    ");
    EXPECT_EQ(report.Label11.caption(), "00000002");
    // Its slots go when the window closes.
    report.Unload();
    EXPECT_TRUE(reports().MaterialsReportRows.isEmpty());
}

} // namespace usina::test
