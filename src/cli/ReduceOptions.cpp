#include "ReduceOptions.h"

#include "Text.h"

#include <charconv>

namespace kadro::cli {

namespace {

std::optional<float> parseStrength(const std::string& text) {
    float value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !(value >= 0 && value <= 1))
        return std::nullopt;
    return value;
}

} // namespace

void defineReduceOptions(CommandLine& line, ReduceArguments& a) {
    line.choice("--dither", a.dither, ditherChoices,
                tr("how the reduction mixes the colours of a block's palette: none, ordered (an "
                   "8 x 8 Bayer matrix) or diffusion (the error spread to the next pixels)"));
    line.option("--strength", a.strength, "0..1", tr("how strongly the dither mixes"), "1")
        .check({[](const std::string& v) { return parseStrength(v).has_value(); },
                trNoop("takes a number from 0 to 1, not '%1'")});
}

bool reduceOptionsGiven(const CommandLine& line) {
    return line.given("--dither") || line.given("--strength");
}

ReduceSettings reduceSettingsFrom(const ReduceArguments& a, chip::ColourMode colourMode,
                                  chip::ColourCount colourCount, std::optional<Colour> background) {
    ReduceSettings s;
    s.colourMode = colourMode;
    s.colourCount = colourCount;
    s.background = background;
    s.dither = static_cast<Dither>(choiceOf(ditherChoices, a.dither).value);
    s.strength = a.strength.empty() ? 1.0f : *parseStrength(a.strength);
    return s;
}

} // namespace kadro::cli
