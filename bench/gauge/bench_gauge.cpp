// One paint of a main window's belt gauge (100 by 100 pixels) while the regulation moves its needle, as
// each 100 ms tick does, and a refresh that would show what is shown already. For counts that a busy
// machine does not change, run it under `valgrind --tool=callgrind`.

#include "platform/forms/needle_gauge_state.h"
#include "platform/qt/needle_gauge_widget.h"
#include "tests/support_qt/offscreen_application.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

namespace {

namespace id = usina::forms::gauge_dispid;

usina::forms::NeedleGaugeState beltGauge() {
    usina::forms::NeedleGaugeState state;
    const std::pair<int, usina::Value> writes[] = {
        {id::fullScale, "60"}, {id::bandIndex, 0},    {id::bandStart, "50"}, {id::bandEnd, "60"},
        {id::bandIndex, 1},    {id::bandStart, "40"}, {id::bandEnd, "50"},   {id::bandIndex, 2},
        {id::bandStart, "0"},  {id::bandEnd, "40"},   {id::value, 35}};
    for (const auto& [dispid, value] : writes) {
        state.setProperty(dispid, value);
    }
    state.setUnit("m/min");
    return state;
}

void PaintWhileTheNeedleMoves(benchmark::State& run) {
    usina::test::offscreenApplication();
    usina::forms::NeedleGaugeState state = beltGauge();
    usina::qt::NeedleGaugeWidget widget(state);
    widget.resize(100, 100);
    QImage target(widget.size(), QImage::Format_ARGB32_Premultiplied);
    double value = 20;
    for (auto _ : run) {
        value = value >= 50 ? 20 : value + 0.7;
        state.setProperty(id::value, value);
        widget.render(&target);
    }
}
BENCHMARK(PaintWhileTheNeedleMoves);

void RefreshShowingNothingNew(benchmark::State& run) {
    usina::test::offscreenApplication();
    usina::forms::NeedleGaugeState state = beltGauge();
    usina::qt::NeedleGaugeWidget widget(state);
    widget.resize(100, 100);
    QImage target(widget.size(), QImage::Format_ARGB32_Premultiplied);
    widget.render(&target);
    for (auto _ : run) {
        state.setProperty(id::value, 35.001);
        widget.refresh();
        state.setProperty(id::value, 35.0);
        widget.refresh();
    }
}
BENCHMARK(RefreshShowingNothingNew);

} // namespace

BENCHMARK_MAIN();
