#include "Command.h"
#include "OptionValues.h"
#include "PictureInput.h"
#include "Text.h"

#include "common/ChipRules.h"
#include "common/Paths.h"
#include "palette/PaletteFile.h"
#include "picture/Picture.h"

#include <array>
#include <iostream>
#include <set>

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
    std::string start, end, background, palette, savePalette, adapt;
    bool noCompress = false, quiet = false;
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
    line.quietFlag(a.quiet);
}

// The dialog's choice from the options; the area and background when they were given.
ConversionChoice choiceFrom(const ConvertArguments& a) {
    ConversionChoice c;
    c.colourMode = choiceOf(colourModeChoices, a.colourMode).value;
    c.colourCount = choiceOf(colourCountChoices, a.colours).value;
    c.charSize = choiceOf(charSizeChoices, a.charSize).value;
    c.compressMode = a.noCompress ? 1 : 0;
    if (!a.start.empty())
        c.startAddress = readAddressText(a.start);
    if (!a.end.empty())
        c.endAddress = readAddressText(a.end);
    return c;
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
            fail(trMessage(describeKdrFailure(path, read)));
        return false;
    }
    picture.refresh();
    return true;
}

// The colour adaptation command of one colour mode.
bool adapt(Picture& picture, const Choice& mode) {
    if (mode.value == chip::RgbMode)
        return picture.adaptRgb4k();
    if (mode.value == chip::NesMode)
        return picture.adapt64();
    return picture.adaptHsl4k();
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
    if (paths::lowerExtension(paths::fileName(a.out)) != "kdr")
        return line.usageError(tr("-o: the document is written as .kdr, not '%1'", {a.out}));
    ConversionChoice choice = choiceFrom(a);

    PaletteMergingUserInterface ui;
    if (!a.palette.empty()) {
        auto read = readPaletteFile(a.palette);
        if (read.status != PaletteFileStatus::Ok)
            return fail(trMessage(describePaletteFailure(a.palette, read.status)));
        ui.stored = read.slots;
    }
    Picture picture(context.programDirectory, ui);
    if (!loadInput(context, picture, a.input) ||
        (!a.adapt.empty() && !adapt(picture, choiceOf(adaptationChoices, a.adapt))))
        return exitFailed;
    // The area and background the dialog would open with, taken after any adaptation.
    const ConversionChoice initial = picture.initialChoice();
    choice.area = a.area.empty() ? initial.area : *parseArea(a.area);
    choice.backgroundColour =
        a.background.empty() ? initial.backgroundColour : *parseColour(a.background);
    ui.showProgress(!a.quiet &&
                    static_cast<long long>(choice.area.width()) * choice.area.height() >=
                        largeArea);
    if (!picture.transform(choice) || !picture.convert())
        return ui.messageCount() > 0 ? exitFailed : fail(tr("the conversion failed"));
    return saveResults(picture, a.out, a.savePalette);
}

} // namespace kadro::cli
