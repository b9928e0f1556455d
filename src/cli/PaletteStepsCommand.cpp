#include "Command.h"
#include "OptionValues.h"
#include "Text.h"

#include "output/PaletteSteps.h"

#include <iostream>

namespace kadro::cli {

int runPaletteSteps(Context& context, CommandLine& line) {
    std::string palette, to, levels, mode = "hsl";
    line.argument("FILE.pal", palette, tr("the palette file whose first 64 colours fade"));
    line.option("--to", to, "#RRGGBB", tr("the colour the palette fades toward"))
        .required()
        .check(colourCheck());
    line.number("--levels", levels, 1, 255, "N", tr("the number of steps")).required();
    line.choice(
        "--colour-mode", mode, colourModeChoices,
        tr("the colour mode of the written codes: %1", {choiceDisplays(colourModeChoices)}));
    if (auto exit = line.parse())
        return *exit;

    if (!PaletteSteps::write(palette, *parseColour(to), std::stoi(levels),
                             chip::colourModeOf(choiceOf(colourModeChoices, mode).value),
                             context.programDirectory, {}, context.ui))
        return exitFailed;
    std::cout << PaletteSteps::fileName << '\n';
    return exitOk;
}

} // namespace kadro::cli
