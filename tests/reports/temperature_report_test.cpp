// The temperature report: the rating of each load, the marks, the headings and the number it shares
// with the plate reports.

#include "tests/reports/reports_fixture.h"

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;

namespace usina::test {

namespace {

// A load whose five channels all lie inside their limits, with `changes` over them.
std::string temperaturesInside(const std::string& changes) {
    std::string columns;
    for (int k = 1; k <= 5; ++k) {
        const std::string n = std::to_string(k);
        columns += (k > 1 ? ", " : "") + std::string("Temp_Min") + n + " = 160, Media" + n +
                   " = 170, Temp_Max" + n + " = 175, Lim_Min" + n + " = 150, Lim_Max" + n + " = 180";
    }
    return "UPDATE RelCarga SET " + columns + (changes.empty() ? "" : ", " + changes);
}

} // namespace

struct RatingCase {
    const char* name;
    const char* changes;
    bool fiveChannels;
    const char* shown; // a piece of the line, or "" to look at the rating only
    const char* rating;
};

class TemperatureRating : public ReportsTest, public ::testing::WithParamInterface<RatingCase> {};

TEST_P(TemperatureRating, MarksTheValuesOutsideTheirLimits) {
    const RatingCase& c = GetParam();
    ticket("2026-12-10", "'ABC-1234'", "12500");
    sql("dat2.mdb", temperaturesInside(c.changes));
    start();
    controller().HasFiveTemperatures = c.fiveChannels;
    FormRelTemp& report = open<FormRelTemp>();
    ASSERT_EQ(report.ListRelPlacas.listCount(), 1);
    const std::string line = report.ListRelPlacas.list(0);
    EXPECT_THAT(line, EndsWith(std::string("  ") + c.rating));
    EXPECT_THAT(line, HasSubstr(c.shown));
    EXPECT_EQ(line.substr(0, 16), "ABC-1234   12,5 ");
}

INSTANTIATE_TEST_SUITE_P(
    Loads, TemperatureRating,
    ::testing::Values(
        RatingCase{"AllInside", "", true, "   160   170    175", "Normal"},
        RatingCase{"MinimumBelowItsLimit", "Temp_Min1 = 149.4", true, "  [149]   170", "Anormal"},
        RatingCase{"MinimumThatRoundsToItsLimit", "Temp_Min1 = 149.6", true, "    150   170", "Normal"},
        RatingCase{"HalfOnlyTheDecimalFormSees", "Temp_Min1 = 149.4999999999999", true, "    150   170",
                   "Normal"},
        RatingCase{"MaximumAboveItsLimit", "Temp_Max2 = 181", true, "   170  [181]", "Anormal"},
        RatingCase{"MaximumEqualToItsLimit", "Temp_Max2 = 180", true, "   170    180", "Normal"},
        RatingCase{"MeanOutsideMarksNothing", "Media1 = 100, Media3 = 999", true, "   100", "Normal"},
        RatingCase{"FourthChannelOfAFiveChannelPlant", "Temp_Min4 = 10", true, "  [10]", "Anormal"},
        RatingCase{"FourthChannelOfAThreeChannelPlant", "Temp_Min4 = 10, Temp_Max5 = 999", false,
                   "  175       0     0      0       0     0      0", "Normal"},
        RatingCase{"NullTemperatureAndNullLimit", "Temp_Min1 = NULL, Lim_Max2 = NULL, Temp_Max2 = 999", true,
                   "           170    175", "Normal"}),
    [](const ::testing::TestParamInfo<RatingCase>& param) { return std::string(param.param.name); });

TEST_F(ReportsTest, AnOpeningShowsTheCurrentChannelNamesAndAClickTheFirstLoadsNames) {
    ticket("2026-12-05", "'ABC-1234'", "12000", "Material1, Material2", "'CAP', 'Massa'");
    ticket("2026-12-05", "'ABB-9999'", "15000", "Material1, Material2", "'Asfalto', 'Mistura'");
    start();
    FormRelTemp& report = open<FormRelTemp>();
    EXPECT_EQ(report.ListRelPlacas.listCount(), 0);
    EXPECT_EQ(report.Lblmat1.caption(), "CAP");
    EXPECT_EQ(report.Lblmat4.caption(), "Combustível");
    EXPECT_EQ(report.Lblnum.caption(), "");

    generate(report, "05/12/2026", "05/12/2026");
    ASSERT_EQ(report.ListRelPlacas.listCount(), 2);
    EXPECT_EQ(report.ListRelPlacas.list(0).substr(0, 9), "ABB-9999 ");
    EXPECT_EQ(report.Lblmat1.caption(), "Asfalto");
    EXPECT_EQ(report.Lblmat2.caption(), "Mistura");
    EXPECT_EQ(report.Lblnum.caption(), "00000000");

    // A range without loads leaves the list empty and the rest as it was.
    generate(report, "06/12/2026", "06/12/2026");
    EXPECT_EQ(report.ListRelPlacas.listCount(), 0);
    EXPECT_EQ(report.Lblmat1.caption(), "Asfalto");
    EXPECT_EQ(report.Lblnum.caption(), "00000000");
}

TEST_F(ReportsTest, APrintAdvancesTheSharedNumberWithoutRenumberingAStoredPlateReport) {
    ticket("2026-12-10", "'ABC-1234'", "12000");
    start();
    EXPECT_EQ(open<FormRelTemp>().Lblnum.caption(), "00000000");
    station->ws().click(station->form<FormRelTemp>().CmdImprimir);
    EXPECT_EQ(desktop.printedForms(), std::vector<std::string>{"FormRelTemp"});
    station->form<FormRelTemp>().Unload();
    EXPECT_EQ(open<FormRelTemp>().Lblnum.caption(), "00000001");
    EXPECT_EQ(stored("SELECT Num FROM RelPlacas")[0][0].text, "00000000");
    EXPECT_EQ(reportRows("RelPlacas"), 1);

    // A restart goes on from the advanced number.
    station.reset();
    start();
    EXPECT_EQ(open<FormRelTemp>().Lblnum.caption(), "00000001");

    // The next plate report numbers from it, and the temperature report then shows that report's number.
    EXPECT_EQ(open<FormRelPlaca>().Lblnum.caption(), "00000002");
    station->form<FormRelTemp>().Unload();
    EXPECT_EQ(open<FormRelTemp>().Lblnum.caption(), "00000002");
}

} // namespace usina::test
