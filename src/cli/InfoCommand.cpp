#include "Command.h"
#include "PictureInput.h"
#include "Text.h"

#include "picture/ConversionSettings.h"
#include "picture/KdrFile.h"

#include <nlohmann/json.hpp>

#include <iostream>

namespace kadro::cli {

namespace {

using Json = nlohmann::ordered_json;

void printJson(const Json& figures) {
    // Names on disk need not be UTF-8; JSON must be.
    std::cout << figures.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

int describeDocument(const std::string& path, bool json) {
    const KdrReadResult read = readKdr(path);
    if (read.status != KdrStatus::Ok)
        return fail(trMessage(describeKdrFailure(path, read)));
    const ConversionSettings& s = read.document.settings;
    const std::string_view mode = chip::displayName(chip::colourModeNames, s.colourMode);
    const std::string_view count = chip::displayName(chip::colourCountNames, s.colourCount);
    if (json) {
        printJson({{"file", path},
                   {"format", "KDR"},
                   {"width", s.width},
                   {"height", s.height},
                   {"characters", s.cellsAcross() * s.cellsDown()},
                   {"characterSize", s.geometry().label},
                   {"colourMode", mode},
                   {"colourCount", count},
                   {"patternBytes", s.patternBytes},
                   {"banks", s.bankCount()}});
        return exitOk;
    }
    std::cout << "format: KDR\n"
              << "width: " << s.width << "\nheight: " << s.height << '\n'
              << "characters: " << s.cellsAcross() * s.cellsDown() << " of " << s.geometry().label
              << '\n'
              << "colour mode: " << mode << ", " << count << '\n'
              << "pattern bytes: " << s.patternBytes << " in " << s.bankCount() << " bank(s)\n";
    return exitOk;
}

} // namespace

int runInfo(Context& context, CommandLine& line) {
    std::string path;
    bool json = false;
    line.argument("PICTURE", path, tr("a picture, or a converted .kdr document"));
    line.flag("--json", json, tr("print the figures as one JSON object, for scripts"));
    if (auto exit = line.parse())
        return *exit;
    if (isKdrPath(path))
        return describeDocument(path, json);

    auto image = loadPictureOrExplain(context, path);
    if (!image)
        return exitFailed;
    const auto colours = colourStats(&*image, 0, 0, image->width(), image->height());
    const bool capped = colours.size() == maxUsedColours;
    if (json) {
        printJson({{"file", path},
                   {"format", pictureFormatName(path)},
                   {"width", image->width()},
                   {"height", image->height()},
                   {"colours", colours.size()},
                   {"coloursCapped", capped}});
        return exitOk;
    }
    std::cout << "format: " << pictureFormatName(path) << '\n'
              << "width: " << image->width() << '\n'
              << "height: " << image->height() << '\n'
              << "colours: " << colours.size() << (capped ? " (counting stops at 256)" : "")
              << '\n';
    return exitOk;
}

} // namespace kadro::cli
