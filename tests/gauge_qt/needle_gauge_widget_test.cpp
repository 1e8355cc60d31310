#include "platform/forms/needle_gauge_state.h"
#include "platform/qt/needle_gauge_widget.h"

#include <gtest/gtest.h>

#include "tests/support_qt/offscreen_application.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFontMetricsF>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

namespace usina::qt {
namespace {

namespace id = forms::gauge_dispid;

QApplication& application() {
    return test::offscreenApplication();
}

// Writes as the windows do: a list of (dispatch id, value).
using Writes = std::vector<std::pair<int, Value>>;

Writes beltGauge() {
    return {{id::fullScale, "60"}, {id::bandIndex, 0},    {id::bandStart, "50"}, {id::bandEnd, "60"},
            {id::bandIndex, 1},    {id::bandStart, "40"}, {id::bandEnd, "50"},   {id::bandIndex, 2},
            {id::bandStart, "0"},  {id::bandEnd, "40"},   {id::value, 35}};
}

Writes temperatureGauge() {
    return {{id::fullScale, 255}, {id::caption, "CAP"},   {id::bandIndex, 2},   {id::bandStart, "170"},
            {id::bandEnd, 255},   {id::bandIndex, 0},     {id::bandStart, 0},   {id::bandEnd, "140"},
            {id::bandIndex, 1},   {id::bandStart, "140"}, {id::bandEnd, "170"}, {id::value, "160"}};
}

Writes greyedGauge() {
    Writes writes = temperatureGauge();
    writes.insert(writes.end(), {{id::caption, "Massa"},
                                 {id::value, "0"},
                                 {id::activeLook, 0},
                                 {id::bandIndex, 0},
                                 {id::bandColor, 0xC0C0C0},
                                 {id::bandIndex, 1},
                                 {id::bandColor, 0x808080},
                                 {id::bandIndex, 2},
                                 {id::bandColor, 0xFFFFFF},
                                 {id::styleFlags, 0},
                                 {id::needleColor, 0x808080}});
    return writes;
}

struct RayExpectation {
    double value;
    QColor color; // invalid: none of the three band colours on that ray
};

struct RenderCase {
    const char* name;
    Writes writes;
    const char* unit;
    std::vector<RayExpectation> bandRays;
    bool greyed;
};

void PrintTo(const RenderCase& c, std::ostream* out) {
    *out << c.name;
}

const QColor red(255, 0, 0);
const QColor yellow(255, 255, 0);
const QColor green(0, 255, 0);
const QColor needle(0xB4, 0x1C, 0x1C);

int colorDistance(QColor a, QColor b) {
    return std::max(
        {std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

int chroma(QColor c) {
    return std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
}

// The dial's own geometry as a person reads it: 0 at the lower left, full scale at the lower right,
// 270 degrees clockwise between them. Positions are fractions of the scale.
class Dial {
public:
    Dial(const QImage& image, const GaugeLayout& layout)
        : image_(image), centre_(layout.dial.center()), radius_(layout.dial.width() / 2) {}

    // Whether `color` shows anywhere on the ray at `position`, between two fractions of the radius.
    bool rayHas(double position, QColor color, double fromRadius, double toRadius) const {
        const double radians = (225 - 270 * position) * std::numbers::pi / 180;
        for (double r = fromRadius * radius_; r <= toRadius * radius_; r += 0.5) {
            const QPoint at(static_cast<int>(centre_.x() + r * std::cos(radians)),
                            static_cast<int>(centre_.y() - r * std::sin(radians)));
            if (colorDistance(image_.pixelColor(at), color) <= 40) {
                return true;
            }
        }
        return false;
    }

    bool bandAt(double position, QColor color) const { return rayHas(position, color, 0.62, 0.88); }
    bool needleAt(double position) const { return rayHas(position, needle, 0.25, 0.6); }

private:
    const QImage& image_;
    QPointF centre_;
    double radius_;
};

forms::NeedleGaugeState gaugeOf(const Writes& writes) {
    forms::NeedleGaugeState state;
    for (const auto& [dispid, value] : writes) {
        state.setProperty(dispid, value);
    }
    return state;
}

// Renders as the window shows it and keeps the picture for a person to look at.
QImage render(const forms::NeedleGaugeState& state, int side, const std::string& file) {
    application();
    NeedleGaugeWidget widget(state);
    widget.resize(side, side);
    const QImage image = widget.grab().toImage();
    QDir().mkpath(USINA_ARTIFACT_DIR);
    EXPECT_TRUE(image.save(QString::fromStdString(std::string(USINA_ARTIFACT_DIR) + "/" + file)));
    return image;
}

class GaugeRendering : public testing::TestWithParam<std::tuple<RenderCase, int>> {};

TEST_P(GaugeRendering, ShowsTheBandsAndTheNeedleWhereTheValuesAre) {
    const auto& [c, side] = GetParam();
    forms::NeedleGaugeState state = gaugeOf(c.writes);
    state.setUnit(c.unit);
    const QImage image =
        render(state, side, std::string("gauge_") + c.name + "_" + std::to_string(side) + ".png");
    ASSERT_EQ(image.size(), QSize(side, side));

    std::vector<QColor> seen;
    int maxChroma = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            maxChroma = std::max(maxChroma, chroma(pixel));
            if (seen.size() < 64 && std::find(seen.begin(), seen.end(), pixel) == seen.end()) {
                seen.push_back(pixel);
            }
        }
    }
    EXPECT_GE(seen.size(), 64u) << "the image looks blank";

    const Dial dial(image, gaugeLayout(state, image.size(), QApplication::font()));
    const double scale = state.fullScale();
    for (const RayExpectation& ray : c.bandRays) {
        for (QColor band : {red, yellow, green}) {
            EXPECT_EQ(dial.bandAt(ray.value / scale, band), ray.color == band)
                << "band colour " << band.name().toStdString() << " at the value " << ray.value;
        }
    }

    if (c.greyed) {
        EXPECT_LE(maxChroma, 24) << "a greyed gauge shows colour";
    } else {
        EXPECT_GT(maxChroma, 100);
        const double at = state.value() / scale;
        EXPECT_TRUE(dial.needleAt(at)) << "no needle at " << state.value();
        EXPECT_FALSE(dial.needleAt(at + 1.0 / 3)) << "needle away from " << state.value();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dials, GaugeRendering,
    testing::Combine(
        testing::Values(
            RenderCase{
                "belt", beltGauge(), "m/min", {{53, red}, {47, yellow}, {27, green}, {7, green}}, false},
            RenderCase{
                "temperature", temperatureGauge(), "°C", {{75, red}, {155, yellow}, {205, green}}, false},
            RenderCase{"greyed", greyedGauge(), "°C", {{75, {}}, {155, {}}, {205, {}}}, true},
            RenderCase{"default", {}, "", {{10, {}}, {50, {}}, {90, {}}}, false}),
        testing::Values(80, 110, 140)),
    [](const testing::TestParamInfo<std::tuple<RenderCase, int>>& test) {
        return std::string(std::get<0>(test.param).name) + "_" + std::to_string(std::get<1>(test.param));
    });

struct StopCase {
    const char* name;
    Value fullScale;
    Value value;
    double needlePosition; // fraction of the sweep
};

void PrintTo(const StopCase& c, std::ostream* out) {
    *out << c.name;
}

class GaugeEndStop : public testing::TestWithParam<StopCase> {};

// Values beyond the scale, and a scale that is no scale at all, leave the needle at a stop and draw no
// band rather than a wrapped or wild one.
TEST_P(GaugeEndStop, HoldsTheNeedleAtTheStop) {
    const StopCase& c = GetParam();
    Writes writes = beltGauge();
    writes.insert(writes.end(), {{id::fullScale, c.fullScale}, {id::value, c.value}});
    const forms::NeedleGaugeState state = gaugeOf(writes);
    const QImage image = render(state, 110, std::string("gauge_stop_") + c.name + ".png");

    const Dial dial(image, gaugeLayout(state, image.size(), QApplication::font()));
    EXPECT_TRUE(dial.needleAt(c.needlePosition));
    EXPECT_FALSE(dial.needleAt(std::abs(c.needlePosition - 0.5)));
    if (state.fullScale() <= 0) {
        for (double position : {0.1, 0.5, 0.9}) {
            EXPECT_FALSE(dial.bandAt(position, green)) << "a band on a gauge without a scale";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Dials, GaugeEndStop,
                         testing::Values(StopCase{"above", 60, 80, 1.0}, StopCase{"below", 60, -10, 0.0},
                                         StopCase{"zeroScale", 0, 25, 0.0},
                                         StopCase{"negativeScale", "-5", 3, 0.0},
                                         StopCase{"hugeScale", std::numeric_limits<double>::max(), 25, 0.0},
                                         StopCase{"tinyScale", 5e-324, 25, 1.0}),
                         [](const testing::TestParamInfo<StopCase>& test) {
                             return std::string(test.param.name);
                         });

// The temperature gauges of the main window are 94 by 90 pixels.
constexpr QSize mainWindowGauge(94, 90);

TEST(GaugeLayout, TheCaptionHasALineOfItsOwnReadableAndUncutOnTheMainWindowsDials) {
    application();
    for (const char* caption : {"CAP", "Massa", "Gases", "Combustível", "Filtro", "Combustibile"}) {
        Writes writes = temperatureGauge();
        writes.push_back({id::caption, caption});
        const forms::NeedleGaugeState state = gaugeOf(writes);
        const GaugeLayout layout = gaugeLayout(state, mainWindowGauge, QApplication::font());
        EXPECT_EQ(layout.caption.toStdString(), caption);
        EXPECT_GE(layout.captionFont.pixelSize(), 10);
        EXPECT_GE(layout.captionBox.top(), layout.dial.bottom());
        EXPECT_LE(layout.captionBox.bottom(), mainWindowGauge.height());
        EXPECT_GE(layout.dial.width(), 70);
    }
    // A caption longer than the whole widget is cut, never drawn past it.
    const GaugeLayout longer = gaugeLayout(gaugeOf({{id::caption, "Temperatura do filtro de mangas"}}),
                                           mainWindowGauge, QApplication::font());
    EXPECT_TRUE(longer.caption.endsWith(QChar(0x2026)));
    EXPECT_LE(QFontMetricsF(longer.captionFont).horizontalAdvance(longer.caption), longer.captionBox.width());
}

// Every pixel of the "0" that the needle at rest lies on reads as it does with the needle away.
TEST(GaugeLayout, TheNeedleAtRestLeavesTheZeroReadable) {
    application();
    Writes writes = temperatureGauge();
    writes.push_back({id::caption, "Combustível"});
    forms::NeedleGaugeState state = gaugeOf(writes);
    state.setUnit("°C");
    const GaugeLayout layout = gaugeLayout(state, mainWindowGauge, QApplication::font());
    ASSERT_FALSE(layout.scaleLabels.empty());
    ASSERT_EQ(layout.scaleLabels.front().text, "0");
    const QRect zero = layout.scaleLabels.front().box.toAlignedRect();

    const auto grab = [&](double value, const std::string& file) {
        state.setProperty(id::value, value);
        NeedleGaugeWidget widget(state);
        widget.resize(mainWindowGauge);
        const QImage image = widget.grab().toImage();
        EXPECT_TRUE(image.save(QString::fromStdString(std::string(USINA_ARTIFACT_DIR) + "/" + file)));
        return image;
    };
    QDir().mkpath(USINA_ARTIFACT_DIR);
    const QImage away = grab(180, "gauge_main_window_180.png");
    const QImage rest = grab(0, "gauge_main_window_0.png");
    int ink = 0;
    for (int y = zero.top(); y <= zero.bottom(); ++y) {
        for (int x = zero.left(); x <= zero.right(); ++x) {
            if (qGray(away.pixel(x, y)) < 110) {
                ++ink;
                EXPECT_LT(colorDistance(rest.pixelColor(x, y), away.pixelColor(x, y)), 48) << x << "," << y;
            }
        }
    }
    EXPECT_GT(ink, 3) << "no \"0\" where the layout puts it";
}

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

// The regulation rewrites the speeds every tick: a change that would leave the needle and the reading
// on the same pixels costs no paint, a visible one does, and a band changed after the first paint
// shows, though the dial's still layers are kept between paints.
TEST(GaugeRepaint, FollowsWhatTheOperatorCanSeeAndNothingElse) {
    application();
    forms::NeedleGaugeState state = gaugeOf(beltGauge());
    NeedleGaugeWidget widget(state);
    widget.resize(110, 110);
    PaintCounter counter;
    widget.installEventFilter(&counter);
    widget.show();
    const auto paintsAfter = [&](const Writes& writes) {
        for (const auto& [dispid, value] : writes) {
            state.setProperty(dispid, value);
        }
        counter.paints = 0;
        widget.refresh();
        QApplication::processEvents();
        return counter.paints;
    };
    QApplication::processEvents();

    EXPECT_EQ(paintsAfter({{id::value, 35.001}}), 0);
    EXPECT_EQ(paintsAfter({{id::value, 41}}), 1);
    EXPECT_EQ(paintsAfter({{id::activeLook, 0}}), 1) << "greyed";
    EXPECT_EQ(paintsAfter({{id::activeLook, -1}}), 1);

    const QImage first = widget.grab().toImage();
    const Dial before(first, gaugeLayout(state, widget.size(), QApplication::font()));
    EXPECT_TRUE(before.bandAt(7.0 / 60, green));
    EXPECT_EQ(paintsAfter({{id::bandIndex, 2}, {id::bandColor, 0xFF0000}}), 1);
    const QImage image = widget.grab().toImage();
    const Dial after(image, gaugeLayout(state, widget.size(), QApplication::font()));
    EXPECT_TRUE(after.bandAt(7.0 / 60, QColor(0, 0, 255))) << "the new band colour";
    EXPECT_FALSE(after.bandAt(7.0 / 60, green));
    EXPECT_TRUE(after.needleAt(41.0 / 60));
}

} // namespace
} // namespace usina::qt
