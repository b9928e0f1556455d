#pragma once

#include "colour/ColorTables.h"
#include "palette/PaletteFile.h"
#include "picture/ConversionSettings.h"
#include "picture/KdrFile.h"

#include <cstdint>
#include <span>
#include <vector>

// The console data made from the converter's output: pattern pixels (one slot number per byte)
// become bit planes, and palette slots become VT03 colour codes.
namespace kadro::packing {

// Every 8 x 8 sub-tile (64 pixel bytes) becomes one packed tile of 32 bytes (16 colours: planes of
// bits 0-3, eight bytes each) or 16 bytes (4 colours: bits 0-1); the leftmost pixel is bit 7. Only
// the low 4 (or 2) bits of a pixel byte are kept, so 0xFF padding packs to 0xFF. A trailing
// partial sub-tile is packed as far as it goes.
std::vector<std::uint8_t> packPatterns(std::span<const std::uint8_t> pixels, int colourCount);
// The slot numbers back from packed tiles; the inverse of packPatterns on its low bits.
std::vector<std::uint8_t> unpackPatterns(std::span<const std::uint8_t> packed, int colourCount);
// Slot number of one pixel of a packed 8 x 8 sub-tile starting at `tile`.
inline int unpackPixel(const std::uint8_t* tile, int planes, int row, int column) {
    const int bit = 7 - column;
    int value = 0;
    for (int plane = 0; plane < planes; ++plane)
        value |= ((tile[8 * plane + row] >> bit) & 1) << plane;
    return value;
}

// 256 little-endian codes: the colour's VT03 code in the colour mode for a used slot (slots 0-3
// of each palette only with 4 colours), 0xFFFF for the others.
std::vector<std::uint8_t> paletteCodes(const PaletteTable& table, int colourCount,
                                       chip::ColourMode colourMode, const ColorTables& tables);

// Builds the three result blocks from the converter's output and writes patternBytes,
// paletteBytes, paletteFirst, paletteUsed and headerVersion into the settings. names and
// attributes have one entry per character cell in row order.
ConversionResults packResults(ConversionSettings& settings, std::span<const std::int16_t> names,
                              std::span<const std::uint8_t> attributes,
                              std::span<const std::uint8_t> pixels, const PaletteTable& table,
                              const ColorTables& tables);

} // namespace kadro::packing
