#pragma once

#include "common/ChipRules.h"
#include "common/Colour.h"
#include "palette/PaletteFile.h"

#include <cstddef>
#include <span>
#include <vector>

namespace kadro {

// The distinct colours of one attribute block, in reading order.
using BlockColourSet = std::vector<Colour>;

// Palettes that hold every block's colours: palette p's colours besides the shared background,
// in slot order from slot 1, at most slots - 1 of them.
struct Packing {
    bool packed = false;
    std::vector<std::vector<Colour>> palettes;
    // When nothing was found: a block that could not be given a palette.
    std::size_t refusedBlock = 0;
};

// Best-fit palette packing: finds up to `count` palettes of `slots` slots (slot 0 the
// background) such that each block's colours all lie in one palette. The blocks are packed
// with the conversion's own first-fit rule first, so whatever that rule packs comes out exactly
// as it would; only when it refuses do the stronger searches run (a merge of the blocks'
// colour sets, an exact search for small cases, and a local search that moves sets between
// palettes until none is overloaded). When nothing is found, the refusal names the block the
// first-fit rule stopped at, as the conversion names it today. `hints` are palettes to try before
// any search, for callers that already know a packing (the reducer does).
Packing packPalettes(std::span<const BlockColourSet> blocks, Colour background, int slots,
                     int count = chip::palettes, std::span<const std::vector<Colour>> hints = {});

// The palette table of a packing: the background in slot 0 of every palette, each palette's
// colours in the slots after it, every other slot unused.
PaletteTable paletteTableOf(const Packing& packing, Colour background);

} // namespace kadro
