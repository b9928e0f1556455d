#include "Command.h"
#include "PictureInput.h"

#include "colour/ColourAdaptation.h"
#include "common/Paths.h"

#include <array>
#include <iostream>
#include <unordered_set>

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
    std::cout << *out << ": " << mode->command << ", " << distinctColours(*image) << " colours\n";
    return exitOk;
}

} // namespace kadro::cli
