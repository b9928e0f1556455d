#pragma once

#include "convert/TileConverter.h"
#include "reduce/PalettePacker.h"

#include <algorithm>
#include <random>
#include <unordered_set>

namespace kadro::test {

struct PackingCase {
    std::vector<BlockColourSet> blocks;
    Colour background = 0;
};

// `n` distinct colours, none of them the background.
inline std::vector<Colour> colourPool(std::mt19937& random, int n, Colour background) {
    std::unordered_set<Colour> seen{background};
    std::vector<Colour> pool;
    while (static_cast<int>(pool.size()) < n) {
        const Colour c = random() & 0xFFFFFF;
        if (seen.insert(c).second)
            pool.push_back(c);
    }
    return pool;
}

// Blocks that pack into `count` palettes by construction: `count` hidden palettes of `room`
// colours drawn from a shared pool (so they overlap), and each block a random part of one of
// them (of `smallest` to `largest` colours), now and then with the background as well.
inline PackingCase packableCase(std::mt19937& random, int blocks, int room, int count, int poolSize,
                                int smallest, int largest) {
    PackingCase c;
    c.background = 0x000000;
    const auto pool = colourPool(random, poolSize, c.background);
    std::vector<std::vector<Colour>> hidden(static_cast<std::size_t>(count));
    for (auto& palette : hidden) {
        palette = pool;
        std::shuffle(palette.begin(), palette.end(), random);
        palette.resize(static_cast<std::size_t>(room));
    }
    for (int b = 0; b < blocks; ++b) {
        auto colours = hidden[random() % hidden.size()];
        std::shuffle(colours.begin(), colours.end(), random);
        const int keep = smallest + static_cast<int>(random() % (largest - smallest + 1));
        colours.resize(static_cast<std::size_t>(keep));
        if (random() % 4 == 0)
            colours.insert(colours.begin() + static_cast<std::ptrdiff_t>(random() % colours.size()),
                           c.background);
        c.blocks.push_back(std::move(colours));
    }
    return c;
}

// The conversion's first-fit rule, run by the converter itself over the blocks in order.
struct FirstFit {
    TileConverter converter{std::make_shared<const ColorTables>(
        ColorTables::fromData(std::vector<Colour>(hslTableEntries, 0xFFFFFFFF), {}))};
    bool packed = true;

    FirstFit(const std::vector<BlockColourSet>& blocks, Colour background, int slots) {
        auto& table = converter.paletteTable();
        for (int p = 0; p < chip::palettes; ++p)
            table[static_cast<std::size_t>(p * chip::slotsPerPalette)] = {background, 1};
        for (const auto& block : blocks)
            if (!converter.fitColours(chip::palettes, slots, block)) {
                packed = false;
                return;
            }
    }
};

} // namespace kadro::test
