#pragma once

#include "common/Colour.h"
#include "picture/DibImage.h"
#include "picture/Selection.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace kadro {

// The conversion area read once: every 16 x 16 attribute block (laid from the area's corner,
// clipped to the area) lists its distinct colours in reading order, and every pixel holds the
// number of its colour in its block's list. Fitting the palettes asks for the lists; cutting
// tiles turns the numbers into slot numbers through one small table per block, so no colour is
// searched for per pixel after this.
class BlockIndex {
public:
    // One more than the largest colour limit: enough to tell that a block breaks it.
    static constexpr int maxColours = 17;

    // The image is 24-bit and the area lies inside it (checked by the caller).
    BlockIndex(const DibImage& image, Selection area);

    const Selection& area() const { return area_; }
    int blocksAcross() const { return blocksAcross_; }
    int blocksDown() const { return blocksDown_; }

    // Reads the pixels of one row of blocks; rows are read top to bottom, each once, so that a
    // conversion stopping at an early block reads no further.
    void readBlockRow(int row);
    int rowsRead() const { return rowsRead_; }

    // The block's colours in order of first appearance; collection stops at maxColours.
    std::span<const Colour> colours(int blockX, int blockY) const {
        const Block& b = blocks_[static_cast<std::size_t>(blockY * blocksAcross_ + blockX)];
        return {b.colours.data(), static_cast<std::size_t>(b.count)};
    }
    // The colour numbers of the pixels of area row y, from column x on.
    const std::uint8_t* numbers(int x, int y) const {
        return numbers_.get() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

private:
    struct Block {
        // Padded with a value no pixel has, so that a search may look at whole groups of four.
        alignas(16) std::array<Colour, 20> colours;
        int count = 0;
    };
    static std::uint8_t add(Block& block, Colour colour);
    static void numberRun(Block& block, const std::uint8_t* in, std::uint8_t* out, int count,
                          int wide);

    const DibImage& image_;
    Selection area_;
    int width_, height_;
    int blocksAcross_, blocksDown_;
    int rowsRead_ = 0;
    std::vector<Block> blocks_;
    // Every byte is written when its row of blocks is read, so none is cleared first.
    std::unique_ptr<std::uint8_t[]> numbers_;
};

} // namespace kadro
