#include "Command.h"
#include "PictureInput.h"
#include "PngFile.h"
#include "Text.h"

#include "colour/ColourAdaptation.h"

#include <iostream>
#include <unordered_set>

namespace kadro::cli {

namespace {

// Counted in full: the picture's statistics stop at 256, and a photograph keeps more.
std::size_t distinctColours(const DibImage& image) {
    std::unordered_set<Colour> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            Colour c = 0;
            image.getPixel(x, y, c);
            colours.insert(c);
        }
    return colours.size();
}

} // namespace

int runAdapt(Context& context, CommandLine& line) {
    std::string path, out, mode = "hsl";
    line.argument("PICTURE", path, tr("the picture to adapt"));
    line.option("-o", out, "OUT.bmp|OUT.png", tr("the adapted picture, written as BMP or PNG"))
        .required();
    line.choice("--mode", mode, adaptationChoices,
                tr("the colour adaptation: %1", {choiceDisplays(adaptationChoices)}));
    if (auto exit = line.parse())
        return *exit;
    if (!isPictureOutputName(out))
        return line.usageError(
            tr("-o: the adapted picture is written as .bmp or .png, not '%1'", {out}));

    if (isKdrPath(path))
        return fail(tr("%1: a converted document has no picture to adapt", {path}));
    auto image = loadPictureOrExplain(context, path);
    if (!image)
        return exitFailed;
    const Choice& choice = choiceOf(adaptationChoices, mode);
    if (!adaptToMode(*image, chip::colourModeOf(choice.value), context.programDirectory,
                     context.ui))
        return exitFailed;
    std::string error;
    if (!writePicture(*image, out, &error))
        return fail(trMessage(error));
    std::cout << out << ": " << choice.display << ", " << distinctColours(*image) << " colours\n";
    return exitOk;
}

} // namespace kadro::cli
