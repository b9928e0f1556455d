#include "Command.h"
#include "DocumentInput.h"

#include "colour/ColorTables.h"
#include "output/PaletteSteps.h"

#include <iostream>
#include <optional>

namespace kadro::cli {

namespace {

std::optional<int> parseLevels(const std::string& text) {
    if (text.empty() || text.size() > 3 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int levels = std::stoi(text);
    return levels >= 1 && levels <= 255 ? std::optional<int>(levels) : std::nullopt;
}

} // namespace

int runPaletteSteps(Context& context, std::span<const std::string> args) {
    Options options({"--to", "--levels", "--colour-mode"}, {});
    if (auto error = options.parse(args); !error.empty())
        return usageError("palette-steps", error);
    if (options.positional().size() != 1)
        return usageError("palette-steps", "expected one palette file (.pal)");
    const auto target = parseColour(options.value("--to").value_or(""));
    if (!target)
        return usageError("palette-steps", "--to takes the target colour as #RRGGBB");
    const auto levels = parseLevels(options.value("--levels").value_or(""));
    if (!levels)
        return usageError("palette-steps", "--levels takes a whole number from 1 to 255");
    const auto mode = choiceIndex(options, "--colour-mode", {"hsl", "rgb", "nes"});
    if (!mode)
        return usageError("palette-steps", "--colour-mode takes hsl, rgb or nes");

    const auto tables = ColorTables::load(context.programDirectory, context.ui);
    if (!tables)
        return exitFailed;
    const auto codeOf = [&](Colour c) { return tables->toVt03Code(c, *mode); };
    if (!PaletteSteps::write(options.positional()[0], *target, *levels, codeOf, {}, context.ui))
        return exitFailed;
    std::cout << PaletteSteps::fileName << '\n';
    return exitOk;
}

} // namespace kadro::cli
