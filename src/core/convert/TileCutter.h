#pragma once

#include "common/ChipRules.h"
#include "convert/BlockIndex.h"
#include "palette/PaletteFile.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kadro {

// Turns character cells into tile pixel bytes: each cell takes the first palette that holds
// every colour of its attribute block, and each pixel becomes the slot number of its colour in
// that palette. A block's palette and the slot of each of its colours are worked out once, the
// first time one of its cells is cut.
class TileCutter {
public:
    enum class Result { Ok, TooManyColours, NoPalette };

    // Every block of the index has been read.
    TileCutter(const BlockIndex& index, const PaletteTable& table, int charSize, int colourLimit);

    // Writes the cell's tile pixel bytes (its 8 x 8 sub-tiles one after another) and its palette.
    // x and y are picture pixels.
    Result cut(int x, int y, std::uint8_t* tile, int& palette);

private:
    struct Block {
        bool known = false;
        Result result = Result::Ok;
        int palette = 0;
        std::array<std::uint8_t, BlockIndex::maxColours> slots{};
    };

    Block& examine(int blockX, int blockY);

    const BlockIndex& index_;
    const PaletteTable& table_;
    const chip::CharGeometry& geometry_;
    int limit_;
    std::vector<Block> blocks_;
};

} // namespace kadro
