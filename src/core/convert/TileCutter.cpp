#include "convert/TileCutter.h"

#include "convert/PaletteMatch.h"

namespace kadro {

TileCutter::TileCutter(const BlockIndex& index, const PaletteTable& table, int charSize,
                       int colourLimit)
    : index_(index), table_(table), geometry_(chip::geometry(charSize)), limit_(colourLimit),
      blocks_(static_cast<std::size_t>(index.blocksAcross() * index.blocksDown())) {}

TileCutter::Block& TileCutter::examine(int blockX, int blockY) {
    Block& block = blocks_[static_cast<std::size_t>(blockY * index_.blocksAcross() + blockX)];
    if (block.known)
        return block;
    block.known = true;
    const auto colours = index_.colours(blockX, blockY);
    if (static_cast<int>(colours.size()) > limit_) {
        block.result = Result::TooManyColours;
        return block;
    }
    block.palette = palettematch::firstHolding(table_, chip::palettes, limit_, colours);
    if (block.palette < 0) {
        block.result = Result::NoPalette;
        return block;
    }
    for (std::size_t i = 0; i < colours.size(); ++i)
        block.slots[i] = static_cast<std::uint8_t>(
            palettematch::slotOf(table_, block.palette, limit_, colours[i]));
    return block;
}

TileCutter::Result TileCutter::cut(int x, int y, std::uint8_t* tile, int& palette) {
    const int ax = x - index_.area().left, ay = y - index_.area().top;
    const Block& block = examine(ax / chip::attributeBlock, ay / chip::attributeBlock);
    if (block.result != Result::Ok)
        return block.result;
    palette = block.palette;
    const std::uint8_t* slots = block.slots.data();
    // Sub-tiles in the order top-left, top-right, bottom-left, bottom-right; 8 bytes a row.
    for (int subY = 0; subY < geometry_.height; subY += 8)
        for (int subX = 0; subX < geometry_.width; subX += 8)
            for (int row = 0; row < 8; ++row) {
                const std::uint8_t* numbers = index_.numbers(ax + subX, ay + subY + row);
                for (int column = 0; column < 8; ++column)
                    tile[column] = slots[numbers[column]];
                tile += 8;
            }
    return Result::Ok;
}

} // namespace kadro
