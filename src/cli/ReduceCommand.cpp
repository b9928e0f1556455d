#include "Command.h"
#include "OptionValues.h"
#include "PictureInput.h"
#include "PngFile.h"
#include "ReduceOptions.h"
#include "Text.h"

#include "picture/Picture.h"

#include <cmath>
#include <cstdio>
#include <iostream>

namespace kadro::cli {

namespace {

// "PSNR 31.52 dB", or "exact" when nothing moved.
std::string psnrText(double psnr) {
    if (std::isinf(psnr))
        return "exact";
    char text[32];
    std::snprintf(text, sizeof text, "PSNR %.2f dB", psnr);
    return text;
}

} // namespace

int runReduce(Context& context, CommandLine& line) {
    std::string path, out, colourMode = "hsl", colours = "16", background;
    ReduceArguments a;
    line.argument("PICTURE", path, tr("the picture to reduce"));
    line.option("-o", out, "OUT.bmp|OUT.png", tr("the reduced picture, written as BMP or PNG"))
        .required();
    line.choice("--colour-mode", colourMode, colourModeChoices,
                tr("the colour mode: %1", {choiceDisplays(colourModeChoices)}));
    line.choice("--colours", colours, colourCountChoices, tr("colours per character"));
    line.option("--background", background, "#RRGGBB", tr("slot 0 of every palette"),
                tr("the colour of pixel (0, 0)"))
        .check(colourCheck());
    defineReduceOptions(line, a);
    if (auto exit = line.parse())
        return *exit;
    if (!isPictureOutputName(out))
        return line.usageError(
            tr("-o: the reduced picture is written as .bmp or .png, not '%1'", {out}));
    if (isKdrPath(path))
        return fail(tr("%1: a converted document shows console colours already", {path}));

    auto image = loadPictureOrExplain(context, path);
    if (!image)
        return exitFailed;
    Picture picture(context.programDirectory, context.ui);
    picture.attach(std::move(*image));
    const Choice& mode = choiceOf(colourModeChoices, colourMode);
    const Choice& count = choiceOf(colourCountChoices, colours);
    const auto reduction = picture.reduce(
        reduceSettingsFrom(a, chip::colourModeOf(mode.value), chip::colourCountOf(count.value),
                           background.empty() ? std::nullopt : parseColour(background)));
    if (!reduction)
        return exitFailed;
    std::string error;
    if (!writePicture(*picture.image(), out, &error))
        return fail(trMessage(error));
    const std::size_t palettes = reduction->palettes.size();
    std::cout << out << ": " << mode.display << ", " << palettes
              << (palettes == 1 ? " palette of " : " palettes of ") << count.word << " colours, "
              << psnrText(reduction->psnr) << '\n';
    return exitOk;
}

} // namespace kadro::cli
