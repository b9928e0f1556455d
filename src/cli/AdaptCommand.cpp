#include "Command.h"
#include "PictureInput.h"

#include "colour/ColourAdaptation.h"
#include "common/Paths.h"
#include "picture/ConversionSettings.h"

#include <iostream>

namespace kadro::cli {

namespace {

struct AdaptMode {
    std::string_view option;
    std::string_view command; // the menu's name for it
};
constexpr std::array adaptModes{AdaptMode{"hsl", "VT03 HSL 4K"}, AdaptMode{"rgb", "VT03 RGB 4K"},
                                AdaptMode{"nes", "6561 64"}};

bool adapt(std::string_view mode, DibImage& image, Context& context) {
    if (mode == "rgb")
        return adaptRgb4k(image, context.ui);
    if (mode == "nes")
        return adapt64(image, context.programDirectory, context.ui);
    return adaptHsl4k(image, context.programDirectory, context.ui);
}

const AdaptMode* findMode(std::string_view option) {
    for (const auto& m : adaptModes)
        if (m.option == option)
            return &m;
    return nullptr;
}

} // namespace

int runAdapt(Context& context, std::span<const std::string> args) {
    Options options({"--mode", "-o"}, {});
    if (auto error = options.parse(args); !error.empty())
        return usageError("adapt", error);
    if (options.positional().size() != 1)
        return usageError("adapt", "expected one picture file");
    const auto out = options.value("-o");
    if (!out)
        return usageError("adapt", "missing -o OUT.bmp");
    if (paths::lowerExtension(*out) != "bmp")
        return usageError("adapt", "the adapted picture is written as a .bmp file: " + *out);
    const AdaptMode* mode = findMode(options.value("--mode").value_or("hsl"));
    if (!mode)
        return usageError("adapt", "--mode must be hsl, rgb or nes");

    const std::string& path = options.positional()[0];
    if (isKdrPath(path))
        return fail(path + ": a converted document has no picture to adapt");
    auto image = loadPictureOrExplain(context, path);
    if (!image)
        return exitFailed;
    if (!adapt(mode->option, *image, context))
        return exitFailed;
    std::string error;
    if (!image->writeBmp(*out, &error))
        return fail(error);
    const auto colours = colourStats(&*image, 0, 0, image->width(), image->height());
    std::cout << *out << ": " << mode->command << ", " << colours.size()
              << (colours.size() == maxUsedColours ? " or more" : "") << " colours\n";
    return exitOk;
}

} // namespace kadro::cli
