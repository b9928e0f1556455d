#include "Command.h"
#include "OptionValues.h"
#include "PictureInput.h"
#include "ReduceOptions.h"
#include "Text.h"

#include "common/ChipRules.h"
#include "common/Paths.h"
#include "document/InformationText.h"
#include "output/ConvertedData.h"
#include "palette/PaletteFile.h"
#include "picture/Picture.h"

#include <array>
#include <iostream>

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

// Pictures from this many pixels on take long enough to show the conversion's progress.
constexpr long long largeArea = 512 * 512;

struct ConvertArguments {
    std::string input, out, area, colourMode = "hsl", colours = "16", charSize = "8x8";
    std::string start, end, background, palette, savePalette, adapt, paletteFit = "first";
    bool noCompress = false, quiet = false, reduce = false;
    ReduceArguments reduction;
};

void defineOptions(CommandLine& line, ConvertArguments& a) {
    line.argument("PICTURE", a.input, tr("the picture, or a .kdr document to convert again"));
    line.option("-o", a.out, "OUT.kdr", tr("the document to write")).required();
    line.option("--area", a.area, "X,Y,W,H",
                tr("the area to convert, a whole number of characters"), tr("the whole picture"))
        .check(areaCheck());
    line.choice("--colour-mode", a.colourMode, colourModeChoices,
                tr("the colour mode: %1", {choiceDisplays(colourModeChoices)}));
    line.choice("--colours", a.colours, colourCountChoices, tr("colours per character"));
    line.choice("--char", a.charSize, charSizeChoices, tr("character size"));
    line.flag("--no-compress", a.noCompress,
              tr("keep duplicate tiles (they are removed by default)"));
    line.option("--start", a.start, "HEX", tr("the first pattern address"), "0")
        .check(addressCheck());
    line.option("--end", a.end, "HEX", tr("the pattern address the data ends before"), "2000")
        .check(addressCheck());
    line.option("--background", a.background, "#RRGGBB", tr("slot 0 of every palette"),
                tr("the colour of pixel (0, 0)"))
        .check(colourCheck());
    line.option("--palette", a.palette, "FILE.pal",
                tr("lay the used slots of a palette file over the fitted palettes"));
    line.option("--save-palette", a.savePalette, "FILE.pal",
                tr("save the palettes as the conversion used them"));
    line.choice("--adapt", a.adapt, adaptationChoices,
                tr("first reduce the picture's colours as 'kadro-cli adapt' does (default: no "
                   "adaptation)"));
    line.choice("--palette-fit", a.paletteFit, paletteFitChoices,
                tr("how the blocks' colours go into the 16 palettes: first, each block into the "
                   "first palette with room, or best, palettes searched for that hold every "
                   "block (the same as first wherever first succeeds; best with --reduce)"));
    line.flag("--reduce", a.reduce,
              tr("first bring the area to the console's rules: up to 16 palettes of the colour "
                 "mode's colours, one for each 16 x 16 block (implies --palette-fit best)"));
    defineReduceOptions(line, a.reduction);
    line.quietFlag(a.quiet);
}

// Options that only make sense together, or not at all.
std::optional<std::string> conflictOf(const CommandLine& line, const ConvertArguments& a) {
    if (!a.reduce && reduceOptionsGiven(line))
        return tr("--dither and --strength are options of --reduce");
    if (a.reduce && !a.adapt.empty())
        return tr("--adapt and --reduce both reduce the colours; give one of them");
    return std::nullopt;
}

// The dialog's choice from the options; the area and background when they were given.
ConversionChoice choiceFrom(const ConvertArguments& a) {
    ConversionChoice c;
    c.colourMode = chip::colourModeOf(choiceOf(colourModeChoices, a.colourMode).value);
    c.colourCount = chip::colourCountOf(choiceOf(colourCountChoices, a.colours).value);
    c.charSize = chip::charSizeOf(choiceOf(charSizeChoices, a.charSize).value);
    c.compressMode = a.noCompress ? chip::Compression::NoCompress : chip::Compression::Compress;
    if (!a.start.empty())
        c.startAddress = readAddressText(a.start);
    if (!a.end.empty())
        c.endAddress = readAddressText(a.end);
    c.paletteFit =
        choiceOf(paletteFitChoices, a.paletteFit).value == 1 ? PaletteFit::Best : PaletteFit::First;
    return c;
}

bool loadInput(Context& context, Picture& picture, const std::string& path) {
    if (!isKdrPath(path)) {
        auto image = loadPictureOrExplain(context, path);
        if (!image)
            return false;
        picture.attach(std::move(*image));
        picture.values.currentPictureType = PictureType::Ordinary;
        return true;
    }
    if (!picture.loadKdr(path)) {
        const auto read = readKdr(path);
        if (read.status == KdrStatus::CannotOpen || read.status == KdrStatus::TooShort)
            fail(trMessage(describeKdrFailure(path, read)));
        return false;
    }
    picture.refresh();
    return true;
}

void printSummary(const std::string& out, const Picture& picture) {
    const ConversionSettings& s = picture.settings;
    const int banks = s.bankCount();
    const int used = ConvertedData(s, *picture.results()).palettesUsed();
    std::cout << out << ": " << s.width << "x" << s.height << ", "
              << s.cellsAcross() * s.cellsDown() << " characters of " << s.geometry().label << ", "
              << information::storedTileCount(s) << " tiles in " << banks
              << (banks == 1 ? " bank" : " banks") << ", " << used
              << (used == 1 ? " palette" : " palettes") << " used\n";
}

int saveResults(Picture& picture, const std::string& out, const std::string& palettePath) {
    if (!picture.save(out))
        return exitFailed;
    if (!palettePath.empty()) {
        std::string error;
        if (!writePaletteFile(palettePath, picture.converter()->paletteTable(), &error))
            return fail(trMessage(error));
    }
    printSummary(out, picture);
    return exitOk;
}

} // namespace

int runConvert(Context& context, CommandLine& line) {
    ConvertArguments a;
    defineOptions(line, a);
    if (auto exit = line.parse())
        return *exit;
    if (paths::lowerExtension(a.out) != "kdr")
        return line.usageError(tr("-o: the document is written as .kdr, not '%1'", {a.out}));
    if (const auto conflict = conflictOf(line, a))
        return line.usageError(*conflict);
    ConversionChoice choice = choiceFrom(a);
    // --reduce picks best fit unless first fit was asked for in so many words.
    if (a.reduce && !line.given("--palette-fit"))
        choice.paletteFit = PaletteFit::Best;

    PaletteMergingUserInterface ui;
    if (!a.palette.empty()) {
        auto read = readPaletteFile(a.palette);
        if (read.status != PaletteFileStatus::Ok)
            return fail(trMessage(describePaletteFailure(a.palette, read.status)));
        ui.stored = read.slots;
    }
    Picture picture(context.programDirectory, ui);
    if (!loadInput(context, picture, a.input) ||
        (!a.adapt.empty() &&
         !picture.adapt(chip::colourModeOf(choiceOf(adaptationChoices, a.adapt).value))))
        return exitFailed;
    const Selection area = a.area.empty()
                               ? Selection::fromSize(0, 0, picture.width(), picture.height())
                               : *parseArea(a.area);
    ui.showProgress(!a.quiet && static_cast<long long>(area.width()) * area.height() >= largeArea);
    std::optional<Colour> background;
    if (!a.background.empty())
        background = parseColour(a.background);
    if (a.reduce && !picture.reduce(reduceSettingsFrom(a.reduction, choice.colourMode,
                                                       choice.colourCount, background),
                                    area))
        return exitFailed;
    // The background the dialog would open with, taken after any adaptation; after a
    // reduction, the one it chose (the given colour as the console shows it) and its palettes.
    const ConversionChoice initial = picture.initialChoice();
    choice.area = area;
    choice.backgroundColour = background && !a.reduce ? *background : initial.backgroundColour;
    choice.paletteHints = initial.paletteHints;
    if (!picture.transform(choice) || !picture.convert())
        return ui.messageCount() > 0 ? exitFailed : fail(tr("the conversion failed"));
    return saveResults(picture, a.out, a.savePalette);
}

} // namespace kadro::cli
