#include "reports/temperature_line.h"

#include "platform/value/conversions.h"
#include "platform/value/format_mask.h"
#include "reports/fixed_width_line.h"

#include <optional>
#include <vector>

namespace usina {

namespace {

std::optional<double> numberIn(const Value& value) {
    if (value.isNumber()) {
        return value.number();
    }
    if (value.isNull() || value.isEmpty() || !isNumeric(value)) {
        return std::nullopt;
    }
    return toDouble(value);
}

enum class Limit { lower, upper, none };

// A temperature as a whole number, marked when it lies outside the limit it is held against.
std::string temperatureText(const Value& temperature, const Value* limit, Limit kind, bool& marked) {
    const std::optional<double> value = numberIn(temperature);
    if (!value) {
        return "";
    }
    const std::string whole = formatNumber(*value, "##0");
    const std::optional<double> bound = limit != nullptr ? numberIn(*limit) : std::nullopt;
    if (!bound) {
        return whole;
    }
    const double shown = parseNumber(whole).value_or(*value);
    if ((kind == Limit::lower && shown < *bound) || (kind == Limit::upper && shown > *bound)) {
        marked = true;
        return "[" + whole + "]";
    }
    return whole;
}

const std::vector<LineColumn>& columns() {
    static const std::vector<LineColumn> line = [] {
        const int widths[5][3] = {{7, 6, 7}, {6, 6, 7}, {5, 6, 7}, {6, 6, 7}, {6, 6, 7}};
        std::vector<LineColumn> c{LineColumn{9, true}, LineColumn{6, false}, blanks(1)};
        for (int channel = 0; channel < 5; ++channel) {
            if (channel > 0) {
                c.push_back(blanks(2));
            }
            for (int w : widths[channel]) {
                c.push_back(LineColumn{w, false});
            }
        }
        c.push_back(blanks(2));
        c.push_back(LineColumn{0, false});
        return c;
    }();
    return line;
}

} // namespace

std::string temperatureLine(const LoadTemperatures& load, bool fiveChannels) {
    std::vector<std::string> texts;
    texts.reserve(columns().size());
    texts.push_back(load.plate->isNull() || load.plate->isEmpty() ? std::string() : toText(*load.plate));
    const std::optional<double> kilograms = numberIn(*load.load);
    texts.push_back(kilograms ? generalNumber(*kilograms / 1000) : std::string());
    texts.emplace_back();
    bool marked = false;
    for (std::size_t k = 0; k < 5; ++k) {
        if (k > 0) {
            texts.emplace_back();
        }
        if (k >= 3 && !fiveChannels) {
            texts.insert(texts.end(), {"0", "0", "0"});
            continue;
        }
        texts.push_back(temperatureText(*load.minimum[k], load.lowerLimit[k], Limit::lower, marked));
        texts.push_back(temperatureText(*load.mean[k], nullptr, Limit::none, marked));
        texts.push_back(temperatureText(*load.maximum[k], load.upperLimit[k], Limit::upper, marked));
    }
    texts.emplace_back();
    texts.push_back(marked ? "Anormal" : "Normal");
    return fixedWidthLine(columns(), texts);
}

} // namespace usina
