// Opening the ticket judges the load: the least, mean and greatest temperature of each channel over
// the load's samples, each against the limits of the constants screen.

#include "reports/load_ticket_state.h"
#include "tests/station/case_names.h"
#include "tests/ticket/ticket_fixture.h"

namespace usina::test {

namespace {

const std::string outOfControl = "Fora do controle normal.";
const std::string normal = " N O R M A L ";

struct StatisticsCase {
    const char* name;
    std::vector<Temperatures> samples;
    // Minimum, average and maximum cells of channels 1 and 2.
    std::vector<std::string> channel1;
    std::vector<std::string> channel2;
    double average1;
    const std::string& status;
};

const Temperatures gaugesNow{155, 160, 150, 100, 120};

class Statistics : public TicketTest, public ::testing::WithParamInterface<StatisticsCase> {};

TEST_P(Statistics, OfTheLoadsSamples) {
    const StatisticsCase& c = GetParam();
    start();
    gaugesShow(gaugesNow);
    sampled(c.samples);
    FormRelCarga& shown = openTicket();
    const std::vector<std::string> row1 = cells(1);
    const std::vector<std::string> row2 = cells(2);
    EXPECT_EQ(std::vector<std::string>(row1.begin(), row1.begin() + 3), c.channel1);
    EXPECT_EQ(std::vector<std::string>(row2.begin(), row2.begin() + 3), c.channel2);
    EXPECT_DOUBLE_EQ(station->group<LoadTicketState>().LoadTempAvg[1], c.average1);
    EXPECT_EQ(shown.LblStatus.caption(), c.status);
    EXPECT_EQ(shown.LblStatus.foreColor(),
              &c.status == &outOfControl ? forms::colors::red : forms::colors::buttonText);
}

INSTANTIATE_TEST_SUITE_P(Cases, Statistics,
                         ::testing::Values(StatisticsCase{"TwoSamples",
                                                          {{150, 160, 150, 100, 120},
                                                           {161, 171, 160, 110, 130}},
                                                          {"150", "156", "161"},
                                                          {"160", "166", "171"},
                                                          155.5,
                                                          normal},
                                           StatisticsCase{"NoSampleTakesTheGaugesAsTheyShowNow",
                                                          {},
                                                          {"155", "155", "155"},
                                                          {"160", "160", "160"},
                                                          155,
                                                          normal},
                                           // The least stays above every upper limit: out of control.
                                           StatisticsCase{"OnlySamplesThatAreAllZero",
                                                          {{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
                                                          {"1000", "0", "0"},
                                                          {"1000", "0", "0"},
                                                          0,
                                                          outOfControl},
                                           // Left out of the least and the greatest, but counted in the mean.
                                           StatisticsCase{"ASampleThatIsAllZeroCountsInTheMean",
                                                          {{100, 150, 150, 100, 120}, {0, 0, 0, 0, 0}},
                                                          {"100", "50", "100"},
                                                          {"150", "75", "150"},
                                                          50,
                                                          outOfControl}),
                         CaseName());

struct LimitCase {
    const char* name;
    int channel;
    std::string lower;
    std::string upper;
    std::vector<Temperatures> samples;
    // Minimum, average, maximum, lower and upper limit.
    std::vector<bool> red;
    const std::string& status;
};

class LimitCheck : public TicketTest, public ::testing::WithParamInterface<LimitCase> {};

// The other channels are given limits their figures keep.
TEST_P(LimitCheck, JudgesEachFigureAgainstItsRowsLimits) {
    const LimitCase& c = GetParam();
    start();
    for (int channel = 1; channel <= 3; ++channel) {
        limits(channel, "0", "1000");
    }
    limits(c.channel, c.lower, c.upper);
    sampled(c.samples);
    FormRelCarga& shown = openTicket();
    EXPECT_EQ(redCells(c.channel), c.red);
    for (int other = 1; other <= 5; ++other) {
        if (other != c.channel) {
            EXPECT_EQ(redCells(other), std::vector<bool>(5, false)) << other;
        }
    }
    EXPECT_EQ(shown.LblStatus.caption(), c.status);
}

const std::vector<bool> noneRed(5, false);

INSTANTIATE_TEST_SUITE_P(Cases, LimitCheck,
                         ::testing::Values(
                             // Read up to the comma: 150 is not below "150,5".
                             LimitCase{"ALimitOf150Comma5IsJudgedAs150",
                                       1,
                                       "150,5",
                                       "170",
                                       {{150, 150, 150, 100, 120}},
                                       noneRed,
                                       normal},
                             LimitCase{"AFigureEqualToItsLimitIsWithinIt",
                                       2,
                                       "150",
                                       "170",
                                       {{150, 150, 150, 100, 120}, {150, 170, 150, 100, 120}},
                                       noneRed,
                                       normal},
                             LimitCase{"AMaximumAboveTheUpperLimit",
                                       2,
                                       "140",
                                       "180",
                                       {{150, 150, 150, 100, 120}, {150, 181, 150, 100, 120}},
                                       {false, false, true, false, false},
                                       outOfControl},
                             LimitCase{"AMinimumBelowTheLowerLimit",
                                       3,
                                       "110",
                                       "220",
                                       {{150, 150, 109, 100, 120}, {150, 150, 160, 100, 120}},
                                       {true, false, false, false, false},
                                       outOfControl},
                             // The sample left out of the least still lowers the mean.
                             LimitCase{"AMeanBelowTheLowerLimit",
                                       1,
                                       "140",
                                       "170",
                                       {{150, 150, 150, 100, 120}, {0, 0, 0, 0, 0}},
                                       {false, true, false, false, false},
                                       outOfControl},
                             LimitCase{"AnEmptyLimitIsJudgedAs0",
                                       1,
                                       "",
                                       "",
                                       {{150, 150, 150, 100, 120}},
                                       {true, true, true, false, false},
                                       outOfControl}),
                         CaseName());

// An edit of the constants screen not applied yet, the box left empty: the ticket is stored with
// the limit the check read.
TEST_F(TicketTest, ALimitBoxLeftEmptyStillClosesTheLoad) {
    start();
    limits(2, "", "180");
    sampled({{150, 150, 150, 100, 120}});
    openTicket();
    EXPECT_EQ(ticketRows(), 1);
    EXPECT_EQ(numbers(lastTicket("Lim_Min2, Lim_Max2")), (std::vector<double>{0, 180}));
    EXPECT_EQ(main().Txtprod_par.text(), "0");
}

TEST_F(TicketTest, ALimitOf150Comma5IsStoredAsTyped) {
    start();
    limits(1, "150,5", "170,25");
    sampled({{150, 150, 150, 100, 120}});
    FormRelCarga& shown = openTicket();
    EXPECT_EQ(shown.Row(1)[FormRelCarga::lowerLimitColumn].caption(), "150,5");
    EXPECT_EQ(numbers(lastTicket("Lim_Min1, Lim_Max1, Temp_Min1, temp_traco1, Temp_Max1")),
              (std::vector<double>{150.5, 170.25, 150, 150, 150}));
}

// A three-input controller: rows 4 and 5 show 0 and take no part, yet their means are stored.
TEST_F(TicketTest, RowsFourAndFiveWithoutFiveTemperatures) {
    start();
    ASSERT_FALSE(controller().HasFiveTemperatures);
    sampled({{150, 150, 150, 500, 10}, {160, 160, 160, 300, 20}});
    FormRelCarga& shown = openTicket();
    for (int channel : {4, 5}) {
        EXPECT_EQ(cells(channel), std::vector<std::string>(5, "0")) << channel;
        EXPECT_EQ(redCells(channel), noneRed) << channel;
    }
    EXPECT_EQ(shown.LblStatus.caption(), normal);
    EXPECT_EQ(numbers(lastTicket("Temp_Min4, Temp_Max4, Lim_Min4, Lim_Max4, temp_traco4, Media4, "
                                 "Temp_Min5, Temp_Max5, Lim_Min5, Lim_Max5, temp_traco5, Media5")),
              (std::vector<double>{0, 0, 0, 0, 0, 400, 0, 0, 0, 0, 0, 15}));
}

TEST_F(TicketTest, RowsFourAndFiveWithFiveTemperatures) {
    plantConfig.modelCode = 32;
    start();
    ASSERT_TRUE(controller().HasFiveTemperatures);
    // Channel 4's limits are 80 to 130, channel 5's 90 to 180.
    sampled({{150, 150, 150, 100, 100}, {160, 160, 160, 140, 120}});
    FormRelCarga& shown = openTicket();
    EXPECT_EQ(cells(4), (std::vector<std::string>{"100", "120", "140", "80", "130"}));
    EXPECT_EQ(redCells(4), (std::vector<bool>{false, false, true, false, false}));
    EXPECT_EQ(cells(5), (std::vector<std::string>{"100", "110", "120", "90", "180"}));
    EXPECT_EQ(redCells(5), noneRed);
    EXPECT_EQ(shown.LblStatus.caption(), outOfControl);
    EXPECT_EQ(numbers(lastTicket("Temp_Min4, temp_traco4, Temp_Max4, Lim_Min4, Lim_Max4, Media4")),
              (std::vector<double>{100, 120, 140, 80, 130, 120}));
}

// The rows are titled with the first seven characters of the gauges' captions; a blank title of
// channel 4 or 5 is stored as "XXX".
TEST_F(TicketTest, ChannelNamesOnTheTicket) {
    sql("calranvik.mdb", "UPDATE constantes SET nomet3 = '', nomet4 = '   ', nomet5 = 'Saída do filtro'");
    start();
    FormRelCarga& shown = openTicket();
    EXPECT_EQ(shown.Label9[3].caption(), "CAP");
    EXPECT_EQ(shown.Label9[6].caption(), "   ");
    EXPECT_EQ(shown.Label9[7].caption(), "Saída d");
    const Row names = lastTicket("Material1, Material2, Material3, Material4, Material5");
    EXPECT_EQ(names.at(0).text, "CAP");
    EXPECT_EQ(names.at(1).text, "Massa");
    EXPECT_EQ(names.at(2).text, "");
    EXPECT_EQ(names.at(3).text, "XXX");
    EXPECT_EQ(names.at(4).text, "Saída d");
}

TEST_F(TicketTest, ALongChannelNameIsCutToSevenCharacters) {
    start();
    FormRelCarga& shown = openTicket();
    EXPECT_EQ(shown.Label9[6].caption(), "Combust");
    EXPECT_EQ(lastTicket("Material4").at(0).text, "Combust");
}

} // namespace

} // namespace usina::test
