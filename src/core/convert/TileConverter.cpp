#include "convert/TileConverter.h"

#include "convert/BlockIndex.h"
#include "convert/PaletteMatch.h"
#include "convert/PatternPacking.h"
#include "convert/Preview.h"
#include "convert/TileCutter.h"
#include "convert/TileStore.h"
#include "reduce/PalettePacker.h"

#include <algorithm>
#include <cstdio>

namespace kadro {

namespace {

template <typename... Args> std::string formatText(const char* pattern, Args... args) {
    char text[256];
    std::snprintf(text, sizeof text, pattern, args...);
    return text;
}

// Conversion messages name the character cell (or block corner) as left, top, right, bottom.
std::string noPaletteText(int x, int y, const chip::CharGeometry& g) {
    return formatText("没有可用的调色板匹配(%d,%d,%d,%d),转换终止!", x, y, x + g.width,
                      y + g.height);
}

std::string blockColoursText(int x, int y, const chip::CharGeometry& g, int limit) {
    return formatText("(%d,%d,%d,%d)内颜色超过%d种,转换终止!", x, y, x + g.width, y + g.height,
                      limit);
}

std::string cellMessage(TileCutter::Result result, int x, int y, const chip::CharGeometry& g,
                        int limit) {
    if (result == TileCutter::Result::TooManyColours)
        return formatText("(%d,%d,%d,%d)范围内颜色超过%d种,转换终止!", x, y, x + g.width,
                          y + g.height, limit);
    return noPaletteText(x, y, g);
}

// What the two passes produce before packing.
struct CutOutput {
    std::vector<std::int16_t> names;
    std::vector<std::uint8_t> attributes;
    std::vector<std::uint8_t> pixels;
    std::array<std::int32_t, ConversionSettings::bankRowEntries> bankStartRows{};
    std::array<std::int16_t, chip::maxBanks> bankSizes{};
};

// The cut of the character cells, row by row. A row whose tiles overflow the bank is cut again
// at the start of a new bank, and the full bank keeps the tiles of its whole rows: the banks,
// names and patterns a planning pass and a separate emitting pass would give, from one cut of
// each cell (and a second cut only of the rows that open a bank).
class Passes {
public:
    Passes(const ConversionSettings& s, const BlockIndex& index, const PaletteTable& table,
           UserInterface& ui)
        : s_(s), g_(s.geometry()), area_(index.area()), limit_(chip::coloursPerTile(s.colourCount)),
          cutter_(index, table, s.charSize, limit_),
          store_(g_.tilePixelBytes, s.compressionSetting() == chip::Compression::Compress),
          tile_(static_cast<std::size_t>(g_.tilePixelBytes)), ui_(ui) {}

    bool run(CutOutput& out, std::string& message);

private:
    bool cutCell(int x, int y, int& palette, std::string& message) {
        const auto result = cutter_.cut(x, y, tile_.data(), palette);
        if (result == TileCutter::Result::Ok)
            return true;
        message = cellMessage(result, x, y, g_, limit_);
        return false;
    }
    // Appends a bank's first `length` store bytes to the pattern pixels, padded to `padded`.
    void closeBank(CutOutput& out, int bank, int length, std::size_t padded) {
        const std::size_t at = out.pixels.size();
        out.pixels.resize(at + padded, 0xFF);
        std::copy_n(store_.bytes().begin(), length,
                    out.pixels.begin() + static_cast<std::ptrdiff_t>(at));
        out.bankSizes[static_cast<std::size_t>(bank)] =
            static_cast<std::int16_t>(length / chip::pixelsPerByte(s_.colourCount));
    }

    const ConversionSettings& s_;
    const chip::CharGeometry& g_;
    Selection area_;
    int limit_;
    TileCutter cutter_;
    TileStore store_;
    std::vector<std::uint8_t> tile_;
    UserInterface& ui_;
};

bool Passes::run(CutOutput& out, std::string& message) {
    out.bankStartRows.fill(-1);
    out.bankStartRows[0] = 0;
    const std::size_t cells = static_cast<std::size_t>(s_.cellsAcross() * s_.cellsDown());
    out.names.reserve(cells);
    out.attributes.reserve(cells);
    const int limit = 2 * s_.endAddress;
    int bank = 0, bankFirstRow = area_.top;
    store_.reset(2 * s_.startAddress);
    for (int y = area_.top; y < area_.bottom;) {
        const std::size_t rowStart = out.names.size();
        const int sizeBefore = store_.size();
        bool broke = false;
        for (int x = area_.left; x < area_.right && !broke; x += g_.width) {
            int palette = 0;
            if (!cutCell(x, y, palette, message))
                return false;
            out.names.push_back(
                static_cast<std::int16_t>(store_.place(tile_.data()) / g_.nameUnit));
            out.attributes.push_back(static_cast<std::uint8_t>(palette));
            broke = store_.size() > limit;
        }
        if (!broke) {
            // One step for planning the row and one for emitting it.
            ui_.advanceProgress();
            ui_.advanceProgress();
            y += g_.height;
            continue;
        }
        if (y == bankFirstRow) {
            message =
                formatText("The characters of picture rows %d-%d need more than one pattern "
                           "bank: their distinct tiles do not fit between address 0x%X and end "
                           "address 0x%X. Conversion stopped.",
                           y, y + g_.height, bank == 0 ? s_.startAddress : 0, s_.endAddress);
            return false;
        }
        if (bank + 1 >= chip::maxBanks) {
            message = formatText("The area needs more than %d pattern banks. Conversion stopped.",
                                 chip::maxBanks);
            return false;
        }
        closeBank(out, bank, sizeBefore, chip::bankPixelBytes);
        out.names.resize(rowStart);
        out.attributes.resize(rowStart);
        ++bank;
        // Bank rows count from the top of the converted picture, which the console shows at row 0.
        out.bankStartRows[static_cast<std::size_t>(bank)] = y - area_.top;
        bankFirstRow = y;
        store_.reset(0);
    }
    if (!store_.empty())
        closeBank(out, bank, store_.size(), static_cast<std::size_t>(store_.size()));
    return true;
}

} // namespace

TileConverter::TileConverter(std::shared_ptr<const ColorTables> tables)
    : tables_(std::move(tables)) {}

std::unique_ptr<TileConverter> TileConverter::create(const std::string& programDirectory,
                                                     UserInterface& ui) {
    auto tables = ColorTables::shared(programDirectory, ui);
    if (!tables)
        return nullptr;
    return std::make_unique<TileConverter>(std::move(tables));
}

std::string checkConversion(const ConversionSettings& s, const ConversionSource& source) {
    const Selection& a = source.area;
    if (source.image.bitCount() != 24)
        return "请将位图转换为24位色处理!";
    if (!chip::knownSettings(s.colourCount, s.charSize, s.compressMode, s.colourMode))
        return "The conversion settings hold an unknown character size, colour count, "
               "compression or colour mode.";
    if (auto area = checkArea(a, source.image.width(), source.image.height(), s.charSizeSetting());
        !area.problem.empty())
        return area.problem;
    if (s.width != a.width() || s.height != a.height())
        return formatText("The settings' size %dx%d differs from the area's %dx%d.", s.width,
                          s.height, a.width(), a.height());
    return checkAddresses(s.startAddress, s.endAddress, s.charSizeSetting()).problem;
}

bool TileConverter::convert(ConversionSettings& settings, const ConversionSource& source,
                            UserInterface& ui) {
    if (auto problem = checkConversion(settings, source); !problem.empty()) {
        ui.showMessage(problem, MessageIcon::Warning);
        return false;
    }
    // The area is read once; its blocks' colours serve both the fitting and the cutting.
    BlockIndex index(source.image, source.area);
    const bool fitted = source.paletteFit == PaletteFit::Best
                            ? fitBlocksBest(settings, index, source, ui)
                            : fitBlocks(settings, index, source.backgroundColour, ui);
    return fitted && setUpPalettes(source, ui) && cutTiles(settings, index, ui);
}

bool TileConverter::fitBlocks(const ConversionSettings& settings, BlockIndex& index,
                              Colour backgroundColour, UserInterface& ui) {
    for (auto& slot : paletteTable_)
        slot.used = 0;
    for (int p = 0; p < chip::palettes; ++p)
        paletteTable_[static_cast<std::size_t>(p * chip::slotsPerPalette)] = {backgroundColour, 1};
    const int limit = chip::coloursPerTile(settings.colourCount);
    const auto& g = settings.geometry();
    const Selection& a = index.area();
    for (int by = 0; by < index.blocksDown(); ++by) {
        index.readBlockRow(by);
        for (int bx = 0; bx < index.blocksAcross(); ++bx) {
            const int left = a.left + bx * chip::attributeBlock;
            const int top = a.top + by * chip::attributeBlock;
            const auto colours = index.colours(bx, by);
            if (static_cast<int>(colours.size()) > limit) {
                ui.showMessage(blockColoursText(left, top, g, limit), MessageIcon::Warning);
                return false;
            }
            if (!fitColours(chip::palettes, limit, colours)) {
                ui.showMessage(noPaletteText(left, top, g), MessageIcon::Warning);
                return false;
            }
        }
    }
    return true;
}

bool TileConverter::fitBlocksBest(const ConversionSettings& settings, BlockIndex& index,
                                  const ConversionSource& source, UserInterface& ui) {
    const int limit = chip::coloursPerTile(settings.colourCount);
    const auto& g = settings.geometry();
    const Selection& a = index.area();
    // The packer needs every block at once; a block over the limit fails whatever the packing.
    std::vector<BlockColourSet> blocks;
    blocks.reserve(static_cast<std::size_t>(index.blocksAcross() * index.blocksDown()));
    for (int by = 0; by < index.blocksDown(); ++by) {
        index.readBlockRow(by);
        for (int bx = 0; bx < index.blocksAcross(); ++bx) {
            const auto colours = index.colours(bx, by);
            if (static_cast<int>(colours.size()) > limit) {
                ui.showMessage(blockColoursText(a.left + bx * chip::attributeBlock,
                                                a.top + by * chip::attributeBlock, g, limit),
                               MessageIcon::Warning);
                return false;
            }
            blocks.emplace_back(colours.begin(), colours.end());
        }
    }
    const Packing packing =
        packPalettes(blocks, source.backgroundColour, limit, chip::palettes, source.paletteHints);
    if (!packing.packed) {
        const int block = static_cast<int>(packing.refusedBlock);
        ui.showMessage(noPaletteText(a.left + block % index.blocksAcross() * chip::attributeBlock,
                                     a.top + block / index.blocksAcross() * chip::attributeBlock,
                                     g),
                       MessageIcon::Warning);
        return false;
    }
    paletteTable_ = paletteTableOf(packing, source.backgroundColour);
    return true;
}

bool TileConverter::fitColours(int count, int size, std::span<const Colour> colours) {
    if (palettematch::firstHolding(paletteTable_, count, size, colours) >= 0)
        return true;
    for (int p = 0; p < count; ++p) {
        PaletteSlot* palette = paletteTable_.data() + p * chip::slotsPerPalette;
        int free = 0;
        for (int s = 0; s < size; ++s)
            free += palette[s].used == 0;
        int missing = 0;
        for (Colour c : colours)
            if (palettematch::slotOf(paletteTable_, p, size, c) < 0 && ++missing > free)
                break;
        if (missing > free)
            continue;
        int s = 0;
        for (Colour c : colours) {
            if (palettematch::slotOf(paletteTable_, p, size, c) >= 0)
                continue;
            while (palette[s].used != 0)
                ++s;
            palette[s] = {c, 1};
        }
        return true;
    }
    return false;
}

bool TileConverter::setUpPalettes(const ConversionSource& source, UserInterface& ui) {
    if (!source.animationMode)
        return ui.setUpPalettes(paletteTable_);
    // A missing file or one of another kind keeps the fitted palettes.
    const auto read = readPaletteFile(source.animationPalettePath);
    if (read.status == PaletteFileStatus::Ok)
        paletteTable_ = read.slots;
    else if (read.status == PaletteFileStatus::TooShort)
        ui.showMessage(describePaletteFailure(source.animationPalettePath, read.status) +
                           "; the fitted palettes are used.",
                       MessageIcon::Warning);
    return true;
}

bool TileConverter::convertTiles(ConversionSettings& settings, const ConversionSource& source,
                                 UserInterface& ui) {
    if (auto problem = checkConversion(settings, source); !problem.empty()) {
        ui.showMessage(problem, MessageIcon::Warning);
        return false;
    }
    BlockIndex index(source.image, source.area);
    for (int by = 0; by < index.blocksDown(); ++by)
        index.readBlockRow(by);
    return cutTiles(settings, index, ui);
}

bool TileConverter::cutTiles(ConversionSettings& settings, const BlockIndex& index,
                             UserInterface& ui) {
    CutOutput out;
    std::string message;
    {
        const Selection& a = index.area();
        ProgressScope progress(ui, convertingText, a.top, 2 * a.bottom, settings.geometry().height);
        Passes passes(settings, index, paletteTable_, ui);
        if (!passes.run(out, message)) {
            ui.showMessage(message, MessageIcon::Warning);
            return false;
        }
    }
    ConversionSettings updated = settings;
    updated.bankStartRows = out.bankStartRows;
    updated.bankSizes = out.bankSizes;
    updated.mapBytes = static_cast<std::int32_t>(3 * out.names.size());
    results_ = packing::packResults(updated, out.names, out.attributes, out.pixels, paletteTable_,
                                    *tables_);
    settings = updated;
    return true;
}

int TileConverter::renderPreview(const ConversionSettings& settings, DibImage& image) const {
    return Preview(settings, results_, *tables_).render(image);
}

} // namespace kadro
