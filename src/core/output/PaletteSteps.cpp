#include "output/PaletteSteps.h"

#include "colour/ColorTables.h"
#include "common/FileIo.h"
#include "common/Paths.h"
#include "common/UserInterface.h"
#include "output/AsmText.h"
#include "palette/PaletteFile.h"

#include <vector>

namespace kadro {

namespace {
constexpr std::size_t stepSlots = 64;
}

std::string PaletteSteps::text(const std::array<PaletteSlot, 256>& slots, Colour target, int levels,
                               const CodeOf& codeOf) {
    AsmText text;
    for (int step = 0; step < levels; ++step) {
        std::vector<std::uint32_t> low, high;
        for (std::size_t i = 0; i < stepSlots; ++i) {
            Colour colour = target;
            if (slots[i].used != 0) {
                const Colour c = slots[i].colour;
                colour = makeColour(stepChannel(redOf(c), redOf(target), levels, step),
                                    stepChannel(greenOf(c), greenOf(target), levels, step),
                                    stepChannel(blueOf(c), blueOf(target), levels, step));
            }
            const std::uint16_t code = codeOf(colour);
            low.push_back(code & 0xFFu);
            high.push_back(code >> 8);
        }
        text.dataLines(low);
        text.raw("\n\n");
        text.dataLines(high);
        text.raw("\n\n;" + std::string(46, '=') + "\n");
    }
    return text.take();
}

bool PaletteSteps::write(const std::string& palettePath, Colour target, int levels,
                         const CodeOf& codeOf, const std::string& directory, UserInterface& ui) {
    const PaletteFileRead read = readPaletteFile(palettePath);
    if (read.status == PaletteFileStatus::NotPalette) {
        ui.showMessage(notPaletteFileMessage, MessageIcon::Warning);
        return false;
    }
    if (read.status != PaletteFileStatus::Ok) {
        ui.showMessage(describePaletteFailure(palettePath, read.status), MessageIcon::Warning);
        return false;
    }
    std::string error;
    if (!fileio::writeTextFile(paths::join(directory, fileName),
                               text(read.slots, target, levels, codeOf), &error)) {
        ui.showMessage(error, MessageIcon::Warning);
        return false;
    }
    return true;
}

bool PaletteSteps::write(const std::string& palettePath, Colour target, int levels,
                         chip::ColourMode colourMode, const std::string& programDirectory,
                         const std::string& directory, UserInterface& ui) {
    const auto tables = ColorTables::load(programDirectory, ui);
    if (!tables)
        return false;
    const auto codeOf = [&tables, colourMode](Colour c) {
        return tables->toVt03Code(c, colourMode);
    };
    return write(palettePath, target, levels, codeOf, directory, ui);
}

} // namespace kadro
