#include "reports/temperature_line.h"

#include "platform/value/conversions.h"
#include "platform/value/format_mask.h"
#include "reports/fixed_width_line.h"

#include <cmath>
#include <cstdlib>
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

// The temperature as "##0" shows it. A value not within a hair of a half rounds the same on its binary
// form as the mask rounds it on its 15-digit decimal form, at a fraction of the cost; the rest (and
// negative or huge values) go through the mask.
double wholeTemperature(double value) {
    const double fraction = std::fabs(value - std::trunc(value));
    if (value >= 0 && value < 1e9 && std::fabs(fraction - 0.5) > 1e-6) {
        return std::round(value);
    }
    return parseNumber(formatNumber(value, "##0")).value_or(std::round(value));
}

std::string wholeText(double whole) {
    return std::to_string(static_cast<long long>(whole));
}

// A load in kilograms as tons in the general number form ("12,5"): a whole number of kilograms has at
// most three decimals as tons, written here without the general conversion's cost.
std::string tonsText(double kilograms) {
    if (kilograms == std::trunc(kilograms) && std::fabs(kilograms) < 1e12) {
        const long long kg = static_cast<long long>(kilograms);
        const long long whole = kg / 1000;
        long long thousandths = std::llabs(kg % 1000);
        std::string text = (kg < 0 && whole == 0 ? "-" : "") + std::to_string(whole);
        if (thousandths != 0) {
            std::string decimals = std::to_string(thousandths + 1000).substr(1);
            decimals.erase(decimals.find_last_not_of('0') + 1);
            text += "," + decimals;
        }
        return text;
    }
    return generalNumber(kilograms / 1000);
}

// A temperature as a whole number, marked when it lies outside the limit it is held against.
std::string temperatureText(const Value& temperature, const Value* limit, Limit kind, bool& marked) {
    const std::optional<double> value = numberIn(temperature);
    if (!value) {
        return "";
    }
    const double whole = wholeTemperature(*value);
    const std::optional<double> bound = limit != nullptr ? numberIn(*limit) : std::nullopt;
    if (bound && ((kind == Limit::lower && whole < *bound) || (kind == Limit::upper && whole > *bound))) {
        marked = true;
        return "[" + wholeText(whole) + "]";
    }
    return wholeText(whole);
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
    texts.push_back(kilograms ? tonsText(*kilograms) : std::string());
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
