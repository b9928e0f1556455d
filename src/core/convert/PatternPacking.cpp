#include "convert/PatternPacking.h"

#include "common/ByteIo.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace kadro::packing {

namespace {
constexpr int subTilePixels = 64;
} // namespace

namespace {
// Bit `plane` of each of the eight pixel bytes of a row (the first byte is the leftmost pixel) as
// one plane byte, leftmost pixel in bit 7: the multiplier moves bit 8c of the masked word to bit
// 63 - c and no two of its partial products meet.
std::uint8_t planeByte(std::uint64_t row, int plane) {
    return static_cast<std::uint8_t>(
        ((row >> plane) & 0x0101010101010101ull) * 0x8040201008040201ull >> 56);
}
} // namespace

std::vector<std::uint8_t> packPatterns(std::span<const std::uint8_t> pixels, int colourCount) {
    const int planes = chip::planes(colourCount);
    const auto perByte = static_cast<std::size_t>(chip::pixelsPerByte(colourCount));
    std::vector<std::uint8_t> packed(pixels.size() / perByte);
    const std::size_t tileBytes = static_cast<std::size_t>(chip::packedTileBytes(colourCount));
    for (std::size_t i = 0; i < pixels.size(); i += 8) {
        const std::size_t tile = i / subTilePixels * tileBytes;
        const std::size_t row = (i % subTilePixels) / 8;
        if (i + 8 <= pixels.size() &&
            tile + 8 * static_cast<std::size_t>(planes - 1) + row < packed.size()) {
            std::uint64_t word;
            std::memcpy(&word, pixels.data() + i, sizeof word);
            for (int plane = 0; plane < planes; ++plane)
                packed[tile + 8 * static_cast<std::size_t>(plane) + row] = planeByte(word, plane);
            continue;
        }
        // A trailing partial row or sub-tile is packed as far as it goes.
        for (int plane = 0; plane < planes; ++plane) {
            const std::size_t at = tile + 8 * static_cast<std::size_t>(plane) + row;
            if (at >= packed.size())
                break;
            unsigned byte = 0;
            for (std::size_t c = 0; c < 8 && i + c < pixels.size(); ++c)
                byte |= ((pixels[i + c] >> plane) & 1u) << (7 - c);
            packed[at] = static_cast<std::uint8_t>(byte);
        }
    }
    return packed;
}

std::vector<std::uint8_t> unpackPatterns(std::span<const std::uint8_t> packed, int colourCount) {
    const int planes = chip::planes(colourCount);
    const std::size_t tileBytes = static_cast<std::size_t>(chip::packedTileBytes(colourCount));
    std::vector<std::uint8_t> pixels;
    pixels.reserve(packed.size() / tileBytes * subTilePixels);
    for (std::size_t tile = 0; tile + tileBytes <= packed.size(); tile += tileBytes)
        for (int row = 0; row < 8; ++row)
            for (int column = 0; column < 8; ++column)
                pixels.push_back(static_cast<std::uint8_t>(
                    unpackPixel(packed.data() + tile, planes, row, column)));
    return pixels;
}

std::vector<std::uint8_t> paletteCodes(const PaletteTable& table, int colourCount,
                                       chip::ColourMode colourMode, const ColorTables& tables) {
    const int size = chip::coloursPerTile(colourCount);
    std::vector<std::uint8_t> codes(paletteCodeBytes, 0xFF);
    // The same colour sits in many slots (the background in every palette), and a code search may
    // scan a 65536-entry table: ask once per distinct colour.
    std::vector<std::pair<Colour, std::uint16_t>> known;
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].used == 0 || static_cast<int>(i % chip::slotsPerPalette) >= size)
            continue;
        const Colour c = table[i].colour;
        auto it =
            std::find_if(known.begin(), known.end(), [c](const auto& k) { return k.first == c; });
        if (it == known.end())
            it = known.insert(known.end(), {c, tables.toVt03Code(c, colourMode)});
        bytes::writeU16(codes, 2 * i, it->second);
    }
    return codes;
}

ConversionResults packResults(ConversionSettings& settings, std::span<const std::int16_t> names,
                              std::span<const std::uint8_t> attributes,
                              std::span<const std::uint8_t> pixels, const PaletteTable& table,
                              const ColorTables& tables) {
    ConversionResults results;
    results.mapData.resize(2 * names.size() + attributes.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        bytes::writeU16(results.mapData, 2 * i, static_cast<std::uint16_t>(names[i]));
    std::copy(attributes.begin(), attributes.end(), results.mapData.begin() + 2 * names.size());
    results.patternData = packPatterns(pixels, settings.colourCount);
    results.paletteCodes =
        paletteCodes(table, settings.colourCount, settings.colourModeSetting(), tables);

    const int size = chip::coloursPerTile(settings.colourCount);
    int first = -1, used = 0;
    for (int i = 0; i < chip::paletteSlots; ++i) {
        if (table[static_cast<std::size_t>(i)].used == 0 || i % chip::slotsPerPalette >= size)
            continue;
        if (first < 0)
            first = i;
        ++used;
    }
    settings.patternBytes = static_cast<std::int32_t>(results.patternData.size());
    settings.paletteBytes = paletteCodeBytes;
    settings.paletteFirst = static_cast<std::uint8_t>(first < 0 ? 0 : first);
    settings.paletteUsed = static_cast<std::uint8_t>(used);
    settings.headerVersion = 2;
    return results;
}

} // namespace kadro::packing
