#include "Command.h"
#include "PictureInput.h"

#include "picture/ConversionSettings.h"
#include "picture/KdrFile.h"

#include <iostream>

namespace kadro::cli {

namespace {

int describeDocument(const std::string& path) {
    const KdrReadResult read = readKdr(path);
    if (read.status != KdrStatus::Ok)
        return fail(describeKdrFailure(path, read));
    const ConversionSettings& s = read.document.settings;
    std::cout << "format: KDR\n"
              << "width: " << s.width << "\nheight: " << s.height << '\n'
              << "characters: " << s.cellsAcross() * s.cellsDown() << " of " << s.geometry().label
              << '\n'
              << "colour mode: " << chip::displayName(chip::colourModeNames, s.colourMode) << ", "
              << chip::displayName(chip::colourCountNames, s.colourCount) << '\n'
              << "pattern bytes: " << s.patternBytes << " in " << s.bankCount() << " bank(s)\n";
    return exitOk;
}

} // namespace

int runInfo(Context& context, std::span<const std::string> args) {
    Options options({}, {});
    if (auto error = options.parse(args); !error.empty())
        return usageError("info", error);
    if (options.positional().size() != 1)
        return usageError("info", "expected one picture file");
    const std::string& path = options.positional()[0];
    if (isKdrPath(path))
        return describeDocument(path);

    auto image = loadPictureOrExplain(context, path);
    if (!image)
        return exitFailed;
    const auto colours = colourStats(&*image, 0, 0, image->width(), image->height());
    std::cout << "format: " << pictureFormatName(path) << '\n'
              << "width: " << image->width() << '\n'
              << "height: " << image->height() << '\n'
              << "colours: " << colours.size()
              << (colours.size() == maxUsedColours ? " (counting stops at 256)" : "") << '\n';
    return exitOk;
}

} // namespace kadro::cli
