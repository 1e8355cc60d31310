#pragma once
// What a needle gauge shows: full scale, three coloured bands, the needle's value, a caption, a unit and
// the greyed look. The windows reach it by dispatch id, with numbers or their texts; the renderer reads
// the typed accessors and repaints when onChanged fires.

#include "platform/forms/color.h"
#include "platform/value/value.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace usina::forms {

namespace gauge_dispid {
constexpr int fullScale = 22;
constexpr int bandIndex = 52;
constexpr int bandColor = 53;
constexpr int bandStart = 58;
constexpr int bandEnd = 59;
constexpr int value = 77;
constexpr int caption = -518;
// The three ids that grey a gauge: 0 in activeLook turns the greyed look on; needleColor paints the
// needle and hub; styleFlags is kept and read back, it draws nothing of its own.
constexpr int activeLook = 45;
constexpr int styleFlags = 69;
constexpr int needleColor = 30;
} // namespace gauge_dispid

struct GaugeBand {
    double start = 0;
    double end = 0;
    Color color = colors::black;

    bool operator==(const GaugeBand&) const = default;
};

class NeedleGaugeState {
public:
    static constexpr int bandCount = 3;
    static constexpr Color defaultNeedleColor = 0x1C1CB4; // deep red, apart from the band red

    NeedleGaugeState();

    // Throws RunTimeError: invalidProcedureCall for an unknown id, a band index other than 0..2 or a
    // number that is not finite; typeMismatch for a text that is no number; invalidUseOfNull for Null;
    // overflow for a colour or flag beyond a long.
    void setProperty(int dispid, const Value& value);
    Value property(int dispid) const;

    double fullScale() const { return fullScale_; }
    const GaugeBand& band(int index) const;
    int selectedBand() const { return selectedBand_; }
    // Kept as written, also outside 0..full scale; the renderer puts the needle at the end stop.
    double value() const { return value_; }
    const std::string& caption() const { return caption_; }
    const std::string& unit() const { return unit_; }
    void setUnit(std::string unit);
    Color needleColor() const { return needleColor_; }
    bool isGreyed() const { return activeLook_ == 0; }

    // Called after every write that changed what the gauge holds (rewriting the same value, as the
    // regulation tick does, calls nothing); the owner wires it to the renderer.
    std::function<void()> onChanged;

private:
    template <typename T> void assign(T& field, T newValue);

    double fullScale_ = 100;
    std::array<GaugeBand, bandCount> bands_;
    int selectedBand_ = 0;
    double value_ = 0;
    std::string caption_;
    std::string unit_;
    std::int32_t activeLook_ = -1;
    std::int32_t styleFlags_ = -1;
    Color needleColor_ = defaultNeedleColor;
};

} // namespace usina::forms
