// The plate report: loads and tons per plate, its rows and its share of the plate reports' number.

#include "tests/reports/reports_fixture.h"

namespace usina::test {

namespace {

std::string plateLine(const std::string& plate, const std::string& loads, const std::string& tons) {
    return "  " + plate + std::string(30 - plate.size(), ' ') + std::string(10 - loads.size(), ' ') + loads +
           std::string(34 - tons.size(), ' ') + tons;
}

} // namespace

TEST_F(ReportsTest, LoadsOfOnePlateAddUpAndThePlatesComeInOrder) {
    ticket("2026-12-10", "'ABD-0001'", "20000");
    ticket("2026-12-10", "'ABC-1234'", "12000");
    ticket("2026-12-10", "'ABC-1234'", "15000");
    ticket("2026-12-10", "'s/placa'", "9000");
    ticket("2026-12-10", "'ABC-1234'", "13500");
    ticket("2026-12-10", "'s/placa'", "NULL");
    ticket("2026-12-09", "'ABC-1234'", "99000");
    start();
    FormRelPlaca& report = open<FormRelPlaca>();

    EXPECT_EQ(lines(report.ListRelPlacas), (std::vector<std::string>{plateLine("ABC-1234", "3", "40,50"),
                                                                     plateLine("ABD-0001", "1", "20,00"),
                                                                     plateLine("s/placa", "2", "9,00")}));
    EXPECT_EQ(report.ListRelPlacas.list(0).size(), 76u);
    EXPECT_EQ(report.Lblnum.caption(), "00000001");
    EXPECT_EQ(reports().RelPlacasNumber, 1);
    const auto rows =
        stored("SELECT Num, NumPlaca, NumCargas, SomaProducao, DataSelecao, item FROM RelPlacas "
               "WHERE Num = '00000001' ORDER BY item");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][1].text, "ABC-1234");
    EXPECT_EQ(rows[0][2].text, "3");
    EXPECT_EQ(rows[0][3].text, "40,50");
    EXPECT_EQ(rows[0][4].text, "10/12/26 ate 10/12/26");
    EXPECT_EQ(rows[2][5].number, 3);
}

TEST_F(ReportsTest, ADayWithoutTicketsStoresNoPlateReport) {
    start();
    FormRelPlaca& report = open<FormRelPlaca>();
    EXPECT_EQ(report.Lblnum.caption(), "");
    EXPECT_EQ(reportRows("RelPlacas"), 1);
}

} // namespace usina::test
