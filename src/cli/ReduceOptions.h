#pragma once

#include "CommandLine.h"

#include "reduce/Reducer.h"

#include <optional>
#include <string>

namespace kadro::cli {

// The reducer's own options, shared by "reduce" and "convert --reduce".
struct ReduceArguments {
    std::string dither = "none";
    std::string strength;
};

void defineReduceOptions(CommandLine& line, ReduceArguments& a);
// Whether --dither or --strength was given.
bool reduceOptionsGiven(const CommandLine& line);
// The settings of a reduction in a colour mode and count (the values of their choice tables),
// with the background when one was given.
ReduceSettings reduceSettingsFrom(const ReduceArguments& a, chip::ColourMode colourMode,
                                  chip::ColourCount colourCount, std::optional<Colour> background);

} // namespace kadro::cli
