#include "convert/TileCutter.h"

#include "convert/PaletteMatch.h"

#include <algorithm>
#include <cstring>

namespace kadro {

namespace {
int blocksOver(int pixels) {
    return (pixels + chip::attributeBlock - 1) / chip::attributeBlock;
}
} // namespace

TileCutter::TileCutter(const CellReader& reader, const PaletteTable& table, int charSize,
                       int colourLimit)
    : reader_(reader), table_(table), geometry_(chip::geometry(charSize)), limit_(colourLimit),
      blocksAcross_(blocksOver(reader.area().width())),
      blocks_(static_cast<std::size_t>(blocksAcross_ * blocksOver(reader.area().height()))),
      slots_(static_cast<std::size_t>(reader.area().width()) *
             static_cast<std::size_t>(reader.area().height())) {}

TileCutter::Block& TileCutter::examine(int x, int y) {
    const Selection& area = reader_.area();
    const int left = reader_.blockLeft(x), top = reader_.blockTop(y);
    Block& block =
        blocks_[static_cast<std::size_t>((top - area.top) / chip::attributeBlock * blocksAcross_ +
                                         (left - area.left) / chip::attributeBlock)];
    if (block.known)
        return block;
    block.known = true;
    CellReader::BlockColours colours;
    const int n = reader_.blockColours(left, top, colours);
    if (n > limit_) {
        block.result = Result::TooManyColours;
        return block;
    }
    block.palette = palettematch::firstHolding(
        table_, chip::palettes, limit_, std::span(colours.data(), static_cast<std::size_t>(n)));
    if (block.palette < 0) {
        block.result = Result::NoPalette;
        return block;
    }
    fillSlots(left, top, block.palette);
    return block;
}

void TileCutter::fillSlots(int left, int top, int palette) {
    const Selection& area = reader_.area();
    const int right = std::min(left + chip::attributeBlock, area.right);
    const int bottom = std::min(top + chip::attributeBlock, area.bottom);
    for (int y = top; y < bottom; ++y) {
        std::uint8_t* out =
            slots_.data() + static_cast<std::ptrdiff_t>(y - area.top) * area.width();
        Colour last = 0;
        int lastSlot = -1;
        for (int x = left; x < right; ++x) {
            const Colour c = reader_.pixel(x, y);
            if (lastSlot < 0 || c != last) {
                last = c;
                lastSlot = palettematch::slotOf(table_, palette, limit_, c);
            }
            out[x - area.left] = static_cast<std::uint8_t>(lastSlot);
        }
    }
}

TileCutter::Result TileCutter::cut(int x, int y, std::uint8_t* tile, int& palette) {
    const Block& block = examine(x, y);
    if (block.result != Result::Ok)
        return block.result;
    palette = block.palette;
    const Selection& area = reader_.area();
    // Sub-tiles in the order top-left, top-right, bottom-left, bottom-right; 8 bytes a row.
    for (int subY = 0; subY < geometry_.height; subY += 8)
        for (int subX = 0; subX < geometry_.width; subX += 8)
            for (int row = 0; row < 8; ++row) {
                const std::uint8_t* from =
                    slots_.data() +
                    static_cast<std::ptrdiff_t>(y + subY + row - area.top) * area.width() +
                    (x + subX - area.left);
                std::memcpy(tile, from, 8);
                tile += 8;
            }
    return Result::Ok;
}

} // namespace kadro
