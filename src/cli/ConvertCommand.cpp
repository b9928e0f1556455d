#include "Command.h"
#include "PictureInput.h"

#include "common/ChipRules.h"
#include "common/Paths.h"
#include "palette/PaletteFile.h"
#include "picture/Picture.h"

#include <array>
#include <iostream>
#include <set>
#include <sstream>

namespace kadro::cli {

namespace {

// The command line's palette setup step: the palettes as fitted, with the used slots of a
// ".pal" file laid over them as the palette panel's Load does.
class PaletteMergingUserInterface : public CliUserInterface {
public:
    std::optional<PaletteTable> stored;
    bool setUpPalettes(std::array<PaletteSlot, 256>& table) override {
        if (stored)
            mergeUsedSlots(table, *stored);
        return true;
    }
};

template <std::size_t N>
std::optional<int> pick(const std::string& text, const std::array<std::string_view, N>& words) {
    for (std::size_t i = 0; i < N; ++i)
        if (text == words[i])
            return static_cast<int>(i);
    return std::nullopt;
}

std::optional<Selection> parseArea(const std::string& text) {
    std::istringstream in(text);
    std::array<int, 4> v{};
    char comma = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        if (!(in >> v[i]) || (i < 3 && (!(in >> comma) || comma != ',')))
            return std::nullopt;
    }
    if (in >> comma || v[2] <= 0 || v[3] <= 0 || v[0] < 0 || v[1] < 0)
        return std::nullopt;
    return Selection::fromSize(v[0], v[1], v[2], v[3]);
}

// Applies the options to the dialog's initial choice; returns what is wrong, or empty.
std::string applyOptions(const Options& o, ConversionChoice& c) {
    constexpr std::array<std::string_view, 3> modes{"hsl", "rgb", "nes"};
    constexpr std::array<std::string_view, 2> counts{"16", "4"};
    constexpr std::array<std::string_view, 4> chars{"8x8", "8x16", "16x8", "16x16"};
    if (auto v = o.value("--area")) {
        auto area = parseArea(*v);
        if (!area)
            return "--area takes X,Y,W,H with a positive width and height, not '" + *v + "'";
        c.area = *area;
    }
    if (auto v = o.value("--colour-mode")) {
        auto m = pick(*v, modes);
        if (!m)
            return "--colour-mode takes hsl, rgb or nes, not '" + *v + "'";
        c.colourMode = *m;
    }
    if (auto v = o.value("--colours")) {
        auto n = pick(*v, counts);
        if (!n)
            return "--colours takes 16 or 4, not '" + *v + "'";
        c.colourCount = *n;
    }
    if (auto v = o.value("--char")) {
        auto n = pick(*v, chars);
        if (!n)
            return "--char takes 8x8, 8x16, 16x8 or 16x16, not '" + *v + "'";
        c.charSize = *n;
    }
    if (o.flag("--no-compress"))
        c.compressMode = 1;
    if (auto v = o.value("--start"))
        c.startAddress = readAddressText(*v);
    if (auto v = o.value("--end"))
        c.endAddress = readAddressText(*v);
    if (auto v = o.value("--background")) {
        auto colour = parseColour(*v);
        if (!colour)
            return "--background takes a colour as #RRGGBB, not '" + *v + "'";
        c.backgroundColour = *colour;
    }
    return {};
}

bool loadInput(Context& context, Picture& picture, const std::string& path) {
    if (!isKdrPath(path)) {
        auto image = loadPictureOrExplain(context, path);
        if (!image)
            return false;
        picture.attach(std::move(*image));
        picture.values.currentPictureType = -1;
        return true;
    }
    if (!picture.loadKdr(path)) {
        const auto read = readKdr(path);
        if (read.status == KdrStatus::CannotOpen || read.status == KdrStatus::TooShort)
            fail(describeKdrFailure(path, read));
        return false;
    }
    picture.refresh();
    return true;
}

// The colour adaptation command of one colour mode.
bool adapt(Picture& picture, const std::string& mode) {
    if (mode == "hsl")
        return picture.adaptHsl4k();
    if (mode == "rgb")
        return picture.adaptRgb4k();
    if (mode == "nes")
        return picture.adapt64();
    return false;
}

// Stored tiles over all banks, less bank 0's leading space.
int storedTiles(const ConversionSettings& s) {
    const int perByte = s.colourCount == 1 ? 4 : 2;
    int pixelBytes = -2 * s.startAddress;
    for (int k = 0; k < std::min(s.bankCount(), chip::maxBanks); ++k)
        pixelBytes += s.bankSizes[static_cast<std::size_t>(k)] * perByte;
    return pixelBytes / s.geometry().tilePixelBytes;
}

std::size_t palettesUsed(const ConversionResults& r) {
    const std::size_t cells = r.mapData.size() / 3;
    return std::set<std::uint8_t>(r.mapData.begin() + static_cast<std::ptrdiff_t>(2 * cells),
                                  r.mapData.end())
        .size();
}

void printSummary(const std::string& out, const Picture& picture) {
    const ConversionSettings& s = picture.settings;
    const int banks = s.bankCount();
    const std::size_t used = palettesUsed(*picture.results());
    std::cout << out << ": " << s.width << "x" << s.height << ", "
              << s.cellsAcross() * s.cellsDown() << " characters of " << s.geometry().label << ", "
              << storedTiles(s) << " tiles in " << banks << (banks == 1 ? " bank" : " banks")
              << ", " << used << (used == 1 ? " palette" : " palettes") << " used\n";
}

int saveResults(Picture& picture, const std::string& out,
                const std::optional<std::string>& palettePath) {
    if (!picture.save(out))
        return exitFailed;
    if (palettePath) {
        std::string error;
        if (!writePaletteFile(*palettePath, picture.converter()->paletteTable(), &error))
            return fail(error);
    }
    printSummary(out, picture);
    return exitOk;
}

} // namespace

int runConvert(Context& context, std::span<const std::string> args) {
    Options options({"-o", "--area", "--colour-mode", "--colours", "--char", "--start", "--end",
                     "--background", "--palette", "--save-palette", "--adapt"},
                    {"--no-compress"});
    if (auto error = options.parse(args); !error.empty())
        return usageError("convert", error);
    if (options.positional().size() != 1)
        return usageError("convert", "expected one picture file");
    const auto out = options.value("-o");
    if (!out || paths::lowerExtension(*out) != "kdr")
        return usageError("convert", "-o OUT.kdr names the document to write");
    const auto adaptMode = options.value("--adapt");
    if (adaptMode && *adaptMode != "hsl" && *adaptMode != "rgb" && *adaptMode != "nes")
        return usageError("convert", "--adapt takes hsl, rgb or nes, not '" + *adaptMode + "'");
    ConversionChoice choice;
    if (auto error = applyOptions(options, choice); !error.empty())
        return usageError("convert", error);

    PaletteMergingUserInterface ui;
    if (auto pal = options.value("--palette")) {
        auto read = readPaletteFile(*pal);
        if (read.status != PaletteFileStatus::Ok)
            return fail(describePaletteFailure(*pal, read.status));
        ui.stored = read.slots;
    }
    Picture picture(context.programDirectory, ui);
    if (!loadInput(context, picture, options.positional()[0]) ||
        (adaptMode && !adapt(picture, *adaptMode)))
        return exitFailed;
    // The area and background the dialog would open with, taken after any adaptation.
    const ConversionChoice initial = picture.initialChoice();
    if (!options.value("--area"))
        choice.area = initial.area;
    if (!options.value("--background"))
        choice.backgroundColour = initial.backgroundColour;
    if (!picture.transform(choice) || !picture.convert())
        return ui.messageCount() > 0 ? exitFailed : fail("the conversion failed");
    return saveResults(picture, *out, options.value("--save-palette"));
}

} // namespace kadro::cli
