#pragma once

#include "convert/TileConverter.h"
#include "reduce/ModeColours.h"
#include "reduce/PalettePacker.h"

#include <algorithm>
#include <random>
#include <span>
#include <unordered_set>

namespace kadro::test {

struct PackingCase {
    std::vector<BlockColourSet> blocks;
    Colour background = 0;
};

// Tables for the computed RGB 4K mode, which needs no table contents.
inline const ColorTables& rgbModeTables() {
    static const auto tables =
        ColorTables::fromData(std::vector<Colour>(hslTableEntries, 0xFFFFFFFF), {});
    return tables;
}

// The colours the console shows exactly in the RGB 4K mode: a picture of them renders as it is.
inline const std::vector<Colour>& rgbExactColours() {
    static const auto colours = [] {
        const ModeColours mode(rgbModeTables(), chip::ColourMode::Rgb);
        std::vector<Colour> out;
        for (std::size_t i = 0; i < mode.size(); ++i)
            out.push_back(mode.colour(i));
        return out;
    }();
    return colours;
}

// `n` distinct colours, none of them the background: any 24-bit colours, or some of `from`.
inline std::vector<Colour> colourPool(std::mt19937& random, int n, Colour background,
                                      std::span<const Colour> from = {}) {
    std::unordered_set<Colour> seen{background};
    std::vector<Colour> pool;
    while (static_cast<int>(pool.size()) < n) {
        const Colour c = from.empty() ? random() & 0xFFFFFF : from[random() % from.size()];
        if (seen.insert(c).second)
            pool.push_back(c);
    }
    return pool;
}

// Blocks that pack into `count` palettes by construction: `count` hidden palettes of `room`
// colours drawn from a shared pool (so they overlap), and each block a random part of one of
// them (of `smallest` to `largest` colours), now and then with the background as well.
inline PackingCase packableCase(std::mt19937& random, int blocks, int room, int count, int poolSize,
                                int smallest, int largest, std::span<const Colour> from = {}) {
    PackingCase c;
    c.background = 0x000000;
    const auto pool = colourPool(random, poolSize, c.background, from);
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

// A picture of the case's blocks laid row by row, `across` to a row: each block shows every one of
// its colours, at random places.
inline DibImage paintBlocks(const PackingCase& c, int across, std::mt19937& random) {
    const int down = static_cast<int>((c.blocks.size() + across - 1) / across);
    auto image = DibImage::createBlank(16 * across, 16 * down);
    for (std::size_t b = 0; b < c.blocks.size(); ++b) {
        const auto& colours = c.blocks[b];
        std::vector<Colour> pixels(256);
        for (std::size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = i < colours.size() ? colours[i] : colours[random() % colours.size()];
        std::shuffle(pixels.begin(), pixels.end(), random);
        const int left = 16 * static_cast<int>(b % across), top = 16 * static_cast<int>(b / across);
        for (int i = 0; i < 256; ++i)
            image->setPixel(left + i % 16, top + i / 16, pixels[static_cast<std::size_t>(i)]);
    }
    return std::move(*image);
}

// The conversion's first-fit rule, run by the converter itself over the blocks in order.
struct FirstFit {
    TileConverter converter{std::make_shared<const ColorTables>(rgbModeTables())};
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
