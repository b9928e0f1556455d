#pragma once

#include "common/ChipRules.h"
#include "convert/CellReader.h"
#include "palette/PaletteFile.h"

#include <cstdint>
#include <vector>

namespace kadro {

// Turns character cells into tile pixel bytes: each cell takes the first palette that holds
// every colour of its attribute block, and each pixel becomes the slot number of its colour in
// that palette. A block is examined once and its slot numbers are kept, so both conversion
// passes and the cells sharing a block read the picture only once.
class TileCutter {
public:
    enum class Result { Ok, TooManyColours, NoPalette };

    TileCutter(const CellReader& reader, const PaletteTable& table, int charSize, int colourLimit);

    // Writes the cell's tile pixel bytes (its 8 x 8 sub-tiles one after another) and its palette.
    Result cut(int x, int y, std::uint8_t* tile, int& palette);

private:
    struct Block {
        bool known = false;
        Result result = Result::Ok;
        int palette = 0;
    };

    Block& examine(int x, int y);
    void fillSlots(int left, int top, int palette);

    const CellReader& reader_;
    const PaletteTable& table_;
    const chip::CharGeometry& geometry_;
    int limit_;
    int blocksAcross_;
    std::vector<Block> blocks_;
    std::vector<std::uint8_t> slots_; // slot number per area pixel, row by row
};

} // namespace kadro
