#include "tools/plantsim/cli/plantsim_options.h"

#include <charconv>
#include <stdexcept>
#include <utility>

namespace usina::plantsim {
namespace {

template <typename Number>
Number parseNumber(const std::string& text, Number low, Number high, const std::string& option) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < low || value > high) {
        throw std::invalid_argument(option + ": not a number from " + std::to_string(low) + " to " +
                                    std::to_string(high) + ": \"" + text + "\"");
    }
    return value;
}

// "A@B" split at its '@'; `shape` names the two parts for the message.
std::pair<std::string, std::string> splitAt(const std::string& text, const std::string& option,
                                            const std::string& shape) {
    const auto at = text.find('@');
    if (at == std::string::npos) {
        throw std::invalid_argument(option + ": expected " + shape + ", got \"" + text + "\"");
    }
    return {text.substr(0, at), text.substr(at + 1)};
}

// "I@SECONDS": silo I (1 to 5) runs empty SECONDS after the start.
void parseEmptySilo(const std::string& text, PlantModelConfig& model) {
    const auto [siloText, secondsText] = splitAt(text, "--empty-silo", "SILO@SECONDS");
    const int silo = parseNumber(siloText, 1, siloCount, "--empty-silo");
    model.emptyAt[static_cast<std::size_t>(silo - 1)] = parseNumber(secondsText, 0.0, 1e9, "--empty-silo");
}

// "ADDRESS@N": the N-th read of the register (from 1) goes unanswered.
DroppedAnswer parseDroppedAnswer(const std::string& text) {
    const auto [addressText, readText] = splitAt(text, "--drop-answer", "ADDRESS@N");
    return {parseNumber<std::uint8_t>(addressText, 0, 255, "--drop-answer"),
            parseNumber(readText, 1, 1'000'000'000, "--drop-answer")};
}

} // namespace

PlantsimOptions parsePlantsimOptions(const std::vector<std::string>& arguments) {
    PlantsimOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size()) {
                throw std::invalid_argument(option + ": a value is missing");
            }
            return arguments[++i];
        };
        if (option == "--link") {
            options.linkPath = value();
        } else if (option == "--model") {
            options.model.modelCode = parseNumber<std::uint8_t>(value(), 0, 255, option);
        } else if (option == "--silent") {
            options.faults.silent = true;
        } else if (option == "--double-answer") {
            options.faults.doubleAnswer = true;
        } else if (option == "--drop-answer") {
            options.faults.droppedAnswer = parseDroppedAnswer(value());
        } else if (option == "--stray") {
            options.faults.strayBytes = parseNumber(value(), 0, 255, option);
        } else if (option == "--empty-silo") {
            parseEmptySilo(value(), options.model);
        } else if (option == "--bed") {
            // The belt-scale reading of a full bed on every silo: how much a belt carries per metre.
            options.model.bedLevel.fill(parseNumber(value(), 0.0, 255.0, option));
        } else if (option == "--no-pace") {
            options.pace = false;
        } else if (option == "--log") {
            options.logPath = value();
        } else if (option == "--seed") {
            options.model.seed = parseNumber(value(), 0U, 4294967295U, option);
        } else {
            throw std::invalid_argument("unknown argument \"" + option + "\"");
        }
    }
    if (options.linkPath.empty()) {
        throw std::invalid_argument("--link PATH is required");
    }
    return options;
}

} // namespace usina::plantsim
