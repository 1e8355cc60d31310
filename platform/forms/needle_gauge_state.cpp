#include "platform/forms/needle_gauge_state.h"

#include "platform/value/conversions.h"
#include "platform/value/run_time_error.h"

#include <cmath>
#include <string>
#include <utility>

namespace usina::forms {

namespace {

[[noreturn]] void throwInvalidCall(const std::string& what) {
    throw RunTimeError(error_number::invalidProcedureCall,
                       "Chamada de procedimento ou argumento inválido: " + what);
}

// A number or the text of one; infinities and NaN would put the needle nowhere.
double finiteNumber(const Value& value) {
    const double number = toDouble(value);
    if (!std::isfinite(number)) {
        throwInvalidCall("o mostrador aceita só números finitos");
    }
    return number;
}

int bandIndexFrom(const Value& value) {
    const double number = toDouble(value);
    // Whole numbers round as the 16-bit conversion does, so 2.5 is still band 2.
    if (!(number >= -0.5 && number <= NeedleGaugeState::bandCount - 0.5)) {
        throwInvalidCall("índice de faixa " + generalNumber(number) + " não é 0, 1 ou 2");
    }
    return toInt16(number);
}

// A colour is a long: plain colours as 0x00BBGGRR, system colours with the high bit set, which a long
// holds as a negative number.
Color colorFrom(const Value& value) {
    const double number = std::nearbyint(toDouble(value));
    if (!(number >= -2147483648.0 && number <= 4294967295.0)) {
        throw RunTimeError(error_number::overflow, "Estouro: " + generalNumber(number) + " não é uma cor");
    }
    return static_cast<Color>(static_cast<std::int64_t>(number));
}

std::string textFrom(const Value& value) {
    return value.isText() ? value.text() : toText(value);
}

} // namespace

NeedleGaugeState::NeedleGaugeState() {
    bands_[0].color = colors::red;
    bands_[1].color = colors::yellow;
    bands_[2].color = colors::green;
}

template <typename T> void NeedleGaugeState::assign(T& field, T newValue) {
    if (field == newValue) {
        return;
    }
    field = std::move(newValue);
    if (onChanged) {
        onChanged();
    }
}

void NeedleGaugeState::setProperty(int dispid, const Value& value) {
    namespace id = gauge_dispid;
    switch (dispid) {
    case id::fullScale:
        assign(fullScale_, finiteNumber(value));
        return;
    case id::bandIndex:
        assign(selectedBand_, bandIndexFrom(value));
        return;
    case id::bandColor:
        assign(bands_[selectedBand_].color, colorFrom(value));
        return;
    case id::bandStart:
        assign(bands_[selectedBand_].start, finiteNumber(value));
        return;
    case id::bandEnd:
        assign(bands_[selectedBand_].end, finiteNumber(value));
        return;
    case id::value:
        assign(value_, finiteNumber(value));
        return;
    case id::caption:
        assign(caption_, textFrom(value));
        return;
    case id::activeLook:
        assign(activeLook_, toInt32(value));
        return;
    case id::styleFlags:
        assign(styleFlags_, toInt32(value));
        return;
    case id::needleColor:
        assign(needleColor_, colorFrom(value));
        return;
    default:
        throwInvalidCall("o mostrador não tem a propriedade " + std::to_string(dispid));
    }
}

Value NeedleGaugeState::property(int dispid) const {
    namespace id = gauge_dispid;
    switch (dispid) {
    case id::fullScale:
        return fullScale_;
    case id::bandIndex:
        return selectedBand_;
    case id::bandColor:
        return static_cast<std::int64_t>(bands_[selectedBand_].color);
    case id::bandStart:
        return bands_[selectedBand_].start;
    case id::bandEnd:
        return bands_[selectedBand_].end;
    case id::value:
        return value_;
    case id::caption:
        return caption_;
    case id::activeLook:
        return activeLook_;
    case id::styleFlags:
        return styleFlags_;
    case id::needleColor:
        return static_cast<std::int64_t>(needleColor_);
    default:
        throwInvalidCall("o mostrador não tem a propriedade " + std::to_string(dispid));
    }
}

const GaugeBand& NeedleGaugeState::band(int index) const {
    if (index < 0 || index >= bandCount) {
        throw RunTimeError(error_number::subscriptOutOfRange,
                           "Subscrito fora do intervalo: faixa " + std::to_string(index));
    }
    return bands_[static_cast<std::size_t>(index)];
}

void NeedleGaugeState::setUnit(std::string unit) {
    assign(unit_, std::move(unit));
}

} // namespace usina::forms
