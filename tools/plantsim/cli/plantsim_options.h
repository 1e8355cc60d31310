#pragma once
// The command line of the plantsim program.

#include "tools/plantsim/controller_responder.h"
#include "tools/plantsim/plant_model.h"

#include <optional>
#include <string>
#include <vector>

namespace usina::plantsim {

struct PlantsimOptions {
    std::string linkPath;
    PlantModelConfig model;
    AnswerFaults faults;
    bool pace = true;
    std::optional<std::string> logPath;
};

constexpr const char* plantsimUsage =
    "usage: plantsim --link PATH [--model N] [--silent] [--double-answer] [--stray N]\n"
    "                [--drop-answer ADDRESS@N] [--empty-silo I@SECONDS]... [--bed RAW] [--no-pace]\n"
    "                [--log FILE] [--seed N]\n";

// Throws std::invalid_argument with a message naming the faulty argument.
PlantsimOptions parsePlantsimOptions(const std::vector<std::string>& arguments);

} // namespace usina::plantsim
