#include "convert/Preview.h"

#include "common/ByteIo.h"
#include "convert/PatternPacking.h"
#include "output/ConvertedData.h"

namespace kadro {

Preview::Preview(const ConversionSettings& settings, const ConversionResults& results,
                 const ColorTables& tables)
    : settings_(settings), results_(results) {
    // Each slot's colour is looked up once, not once per pixel.
    const std::size_t codes = std::min<std::size_t>(256, results.paletteCodes.size() / 2);
    for (std::size_t i = 0; i < codes; ++i)
        slotColours_[i] = tables.fromVt03Code(bytes::readU16(results.paletteCodes, 2 * i),
                                              settings.colourModeSetting());
}

int Preview::render(DibImage& image) const {
    const auto& g = settings_.geometry();
    const int cells = settings_.cellsAcross() * settings_.cellsDown();
    int bankBase = 0, bank = 1, x = 0, y = 0, skipped = 0;
    for (int cell = 0; cell < cells; ++cell) {
        if (!drawCell(image, bankBase, x, y, cell))
            ++skipped;
        x += g.width;
        if (x >= settings_.width) {
            x = 0;
            y += g.height;
            if (bank < ConversionSettings::bankRowEntries &&
                y == settings_.bankStartRows[static_cast<std::size_t>(bank)]) {
                bankBase += settings_.bankStride();
                ++bank;
            }
        }
    }
    return skipped;
}

bool Preview::drawCell(DibImage& image, int bankBase, int x, int y, int cell) const {
    const auto& g = settings_.geometry();
    const ConvertedData data(settings_, results_);
    if (!data.hasCell(cell))
        return false;
    const int name = data.name(cell);
    const int attribute = chip::attributePalette(data.attribute(cell));
    const std::int64_t at = static_cast<std::int64_t>(name) *
                                chip::pgtBytesPerName(settings_.colourCount, settings_.charSize) +
                            bankBase;
    if (at + chip::pgtBytesPerChar(settings_.colourCount, settings_.charSize) >
        static_cast<std::int64_t>(results_.patternData.size()))
        return false;
    const int planes = chip::planes(settings_.colourCount);
    const Colour* colours = slotColours_.data() + 16 * attribute;
    const std::uint8_t* tile = results_.patternData.data() + at;
    for (int subY = 0; subY < g.height; subY += 8)
        for (int subX = 0; subX < g.width; subX += 8) {
            for (int row = 0; row < 8; ++row)
                for (int column = 0; column < 8; ++column) {
                    const Colour colour = colours[packing::unpackPixel(tile, planes, row, column)];
                    if (image.setPixel(x + subX + column, y + subY + row, colour) !=
                        PixelStatus::Ok)
                        return false;
                }
            tile += chip::packedTileBytes(settings_.colourCount);
        }
    return true;
}

} // namespace kadro
