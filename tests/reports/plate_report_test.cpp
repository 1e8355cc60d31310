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

// Once the range is typed, each further click builds on the slots of the last build: a plate keeps its
// slot and takes the range's figures as they now stand (not added to what the slot held), a plate
// loaded since takes the next free slot, and each click stores a new report in slot order. Leaving a
// date box starts the slots again in plate order.
TEST_F(ReportsTest, FurtherClicksBuildOnTheSlotsOfTheLastBuildUntilADateBoxIsLeft) {
    ticket("2026-12-10", "'ABC-1234'", "12000");
    ticket("2026-12-10", "'XYZ-9876'", "20000");
    start();
    FormRelPlaca& report = open<FormRelPlaca>();
    generate(report, "10/12/26", "10/12/26");
    const std::vector<std::string> first = {plateLine("ABC-1234", "1", "12,00"),
                                            plateLine("XYZ-9876", "1", "20,00")};
    ASSERT_EQ(lines(report.ListRelPlacas), first);

    station->ws().click(report.CmdOk);
    EXPECT_EQ(lines(report.ListRelPlacas), first);
    EXPECT_EQ(report.Lblnum.caption(), "00000003");

    ticket("2026-12-10", "'AAA-0001'", "5000");
    ticket("2026-12-10", "'XYZ-9876'", "10000");
    station->ws().click(report.CmdOk);
    const std::vector<std::string> built = {plateLine("ABC-1234", "1", "12,00"),
                                            plateLine("XYZ-9876", "2", "30,00"),
                                            plateLine("AAA-0001", "1", "5,00")};
    EXPECT_EQ(lines(report.ListRelPlacas), built);
    const auto rows = stored("SELECT NumPlaca, NumCargas, SomaProducao, item FROM RelPlacas "
                             "WHERE Num = '00000004' ORDER BY item");
    ASSERT_EQ(rows.size(), 3u);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(plateLine(rows[k][0].text, rows[k][1].text, rows[k][2].text), built[k]);
        EXPECT_EQ(rows[k][3].number, static_cast<double>(k + 1));
    }

    station->ws().focusByPerson(report.datai);
    station->ws().click(report.CmdOk);
    EXPECT_EQ(lines(report.ListRelPlacas), (std::vector<std::string>{plateLine("AAA-0001", "1", "5,00"),
                                                                     plateLine("ABC-1234", "1", "12,00"),
                                                                     plateLine("XYZ-9876", "2", "30,00")}));
}

TEST_F(ReportsTest, ADayWithoutTicketsStoresNoPlateReport) {
    start();
    FormRelPlaca& report = open<FormRelPlaca>();
    EXPECT_EQ(report.Lblnum.caption(), "");
    EXPECT_EQ(reportRows("RelPlacas"), 1);
}

} // namespace usina::test
