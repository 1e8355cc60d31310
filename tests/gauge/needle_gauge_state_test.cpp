#include "platform/forms/needle_gauge_state.h"
#include "platform/value/run_time_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace usina {

// Readable failure messages for the values the gauge returns.
void PrintTo(const Value& value, std::ostream* out) {
    if (value.isNumber()) {
        *out << "Number " << value.number();
    } else if (value.isText()) {
        *out << "Text \"" << value.text() << '"';
    } else {
        *out << "Value of kind " << static_cast<int>(value.kind());
    }
}

namespace forms {
namespace {

namespace id = gauge_dispid;

template <typename Case> std::string caseName(const testing::TestParamInfo<Case>& test) {
    return test.param.name;
}

struct WriteCase {
    const char* name;
    int dispid;
    Value written;
    Value readBack;
};

void PrintTo(const WriteCase& c, std::ostream* out) {
    *out << c.name;
}

class GaugeWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(GaugeWrite, ReadsBackAsTheCallersExpect) {
    const WriteCase& c = GetParam();
    NeedleGaugeState gauge;
    gauge.setProperty(c.dispid, c.written);
    EXPECT_EQ(gauge.property(c.dispid), c.readBack);
}

INSTANTIATE_TEST_SUITE_P(DispatchIds, GaugeWrite,
                         testing::Values(WriteCase{"ScaleAsNumber", id::fullScale, 60, 60},
                                         WriteCase{"ScaleAsText", id::fullScale, "60", 60},
                                         WriteCase{"ScaleWithDecimalComma", id::fullScale, "12,5", 12.5},
                                         WriteCase{"StartAsText", id::bandStart, " 40 ", 40},
                                         WriteCase{"EndWithDecimalComma", id::bandEnd, "0,5", 0.5},
                                         WriteCase{"ValueFormattedAsWholeNumber", id::value, "181", 181},
                                         WriteCase{"ValueNegativeText", id::value, "-3", -3},
                                         WriteCase{"ValueBelowTheScaleIsKept", id::value, -12.5, -12.5},
                                         WriteCase{"ValueAboveTheScaleIsKept", id::value, 300, 300},
                                         WriteCase{"CaptionExactly", id::caption, " Massa  ", " Massa  "},
                                         WriteCase{"CaptionAccented", id::caption, "Secador °C",
                                                   "Secador °C"},
                                         WriteCase{"CaptionEmpty", id::caption, "", ""},
                                         WriteCase{"CaptionFromNumber", id::caption, 12.5, "12,5"},
                                         WriteCase{"BandColour", id::bandColor, 0xC0C0C0, 0xC0C0C0},
                                         WriteCase{"ActiveLook", id::activeLook, 0, 0},
                                         WriteCase{"StyleFlags", id::styleFlags, 0, 0},
                                         WriteCase{"NeedleColour", id::needleColor, 0x808080, 0x808080}),
                         caseName<WriteCase>);

TEST(NeedleGauge, ValueTextReadsBackAsANumber) {
    NeedleGaugeState gauge;
    gauge.setProperty(id::value, "181");
    const Value read = gauge.property(id::value);
    ASSERT_TRUE(read.isNumber());
    EXPECT_GT(read.number(), 180); // the high-temperature test compares it with a limit
    EXPECT_EQ(gauge.value(), 181);
}

struct RefusedCase {
    const char* name;
    int dispid;
    Value written;
    int errorNumber;
};

void PrintTo(const RefusedCase& c, std::ostream* out) {
    *out << c.name;
}

class GaugeRefusal : public testing::TestWithParam<RefusedCase> {};

TEST_P(GaugeRefusal, RaisesTheErrorAndKeepsTheGaugeAsItWas) {
    const RefusedCase& c = GetParam();
    NeedleGaugeState gauge;
    gauge.setProperty(id::bandIndex, 1);
    gauge.setProperty(id::value, 35);
    int changes = 0;
    gauge.onChanged = [&] { ++changes; };
    const bool known = c.dispid != 999;
    const Value before = known ? gauge.property(c.dispid) : Value();

    try {
        gauge.setProperty(c.dispid, c.written);
        FAIL() << "the write was accepted";
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.number(), c.errorNumber) << error.what();
    }
    EXPECT_EQ(changes, 0);
    if (known) {
        EXPECT_EQ(gauge.property(c.dispid), before);
    }
    EXPECT_EQ(gauge.selectedBand(), 1);
    EXPECT_EQ(gauge.value(), 35);
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, GaugeRefusal,
    testing::Values(RefusedCase{"BandIndexThree", id::bandIndex, 3, error_number::invalidProcedureCall},
                    RefusedCase{"BandIndexMinusOne", id::bandIndex, -1, error_number::invalidProcedureCall},
                    RefusedCase{"BandIndexText", id::bandIndex, "dois", error_number::typeMismatch},
                    RefusedCase{"ValueNotANumber", id::value, "abc", error_number::typeMismatch},
                    RefusedCase{"ValueEmptyText", id::value, "", error_number::typeMismatch},
                    RefusedCase{"ValueWithPoint", id::value, "2.5", error_number::typeMismatch},
                    RefusedCase{"ValueNaN", id::value, std::nan(""), error_number::invalidProcedureCall},
                    RefusedCase{"StartSignInside", id::bandStart, "1-2", error_number::typeMismatch},
                    RefusedCase{"EndLoneComma", id::bandEnd, ",", error_number::typeMismatch},
                    RefusedCase{"ScaleNull", id::fullScale, Value::null(), error_number::invalidUseOfNull},
                    RefusedCase{"ScaleInfinite", id::fullScale, std::numeric_limits<double>::infinity(),
                                error_number::invalidProcedureCall},
                    RefusedCase{"CaptionNull", id::caption, Value::null(), error_number::invalidUseOfNull},
                    RefusedCase{"UnknownId", 999, 1, error_number::invalidProcedureCall}),
    caseName<RefusedCase>);

TEST(NeedleGauge, DefaultsAreAPlainRedYellowGreenDial) {
    const NeedleGaugeState gauge;
    EXPECT_EQ(gauge.fullScale(), 100);
    EXPECT_EQ(gauge.band(0).color, colors::red);
    EXPECT_EQ(gauge.band(1).color, colors::yellow);
    EXPECT_EQ(gauge.band(2).color, colors::green);
    EXPECT_FALSE(gauge.isGreyed());
    EXPECT_THROW(gauge.band(3), RunTimeError);
}

TEST(NeedleGauge, BandWritesAddressTheSelectedBand) {
    NeedleGaugeState gauge;
    // A belt gauge as the constants load it: full scale, then red, yellow, green, each as texts.
    gauge.setProperty(id::fullScale, "60");
    const std::vector<std::pair<const char*, const char*>> ranges = {{"50", "60"}, {"40", "50"}, {"0", "40"}};
    for (int i = 0; i < 3; ++i) {
        gauge.setProperty(id::bandIndex, i);
        gauge.setProperty(id::bandStart, ranges[static_cast<std::size_t>(i)].first);
        gauge.setProperty(id::bandEnd, ranges[static_cast<std::size_t>(i)].second);
    }
    EXPECT_EQ(gauge.band(0), (GaugeBand{50, 60, colors::red}));
    EXPECT_EQ(gauge.band(1), (GaugeBand{40, 50, colors::yellow}));
    EXPECT_EQ(gauge.band(2), (GaugeBand{0, 40, colors::green}));

    gauge.setProperty(id::bandIndex, 1);
    EXPECT_EQ(gauge.property(id::bandStart), Value(40));
    EXPECT_EQ(gauge.property(id::bandEnd), Value(50));
    EXPECT_EQ(gauge.property(id::bandColor), Value(0x00FFFF));
}

TEST(NeedleGauge, GreyingSequenceGivesTheGreyedLook) {
    NeedleGaugeState gauge;
    gauge.setProperty(id::activeLook, 0);
    EXPECT_TRUE(gauge.isGreyed());
    const Color greys[] = {0xC0C0C0, 0x808080, 0xFFFFFF};
    for (int i = 0; i < 3; ++i) {
        gauge.setProperty(id::bandIndex, i);
        gauge.setProperty(id::bandColor, static_cast<int>(greys[i]));
    }
    gauge.setProperty(id::styleFlags, 0);
    gauge.setProperty(id::needleColor, 0x808080);

    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(gauge.band(i).color, greys[i]);
    }
    EXPECT_EQ(gauge.needleColor(), Color{0x808080});
    EXPECT_TRUE(gauge.isGreyed());

    gauge.setProperty(id::activeLook, -1);
    EXPECT_FALSE(gauge.isGreyed());
}

TEST(NeedleGauge, OnChangedFiresOnceForEachRealChange) {
    NeedleGaugeState gauge;
    int changes = 0;
    gauge.onChanged = [&] { ++changes; };

    gauge.setProperty(id::value, 35);
    gauge.setProperty(id::value, "35"); // the same value again: nothing to repaint
    EXPECT_EQ(changes, 1);
    gauge.setProperty(id::value, 36);
    gauge.setProperty(id::caption, "CAP");
    gauge.setUnit("m/min");
    gauge.setProperty(id::bandIndex, 2);
    gauge.setProperty(id::bandEnd, 40);
    EXPECT_EQ(changes, 6);
    // The callback sees the state already changed.
    gauge.onChanged = [&] { EXPECT_EQ(gauge.value(), 50); };
    gauge.setProperty(id::value, 50);
}

TEST(NeedleGauge, SystemColourRoundTripsAsALong) {
    NeedleGaugeState gauge;
    gauge.setProperty(id::bandColor, -2147483643); // the window background colour as a long holds it
    EXPECT_EQ(gauge.band(0).color, colors::windowBackground);
    EXPECT_THROW(gauge.setProperty(id::bandColor, 1e10), RunTimeError);
}

} // namespace
} // namespace forms
} // namespace usina
