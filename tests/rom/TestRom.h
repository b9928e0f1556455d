#pragma once

#include "common/Colour.h"
#include "picture/DibImage.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Test-side stand-in for the ROM builder: packs hand-made tile data into the ROM
// template the way the builder lays out a converted picture, and renders what the chip
// should show for it.
namespace kadro::test::rom {

inline constexpr std::size_t romBytes = 0x80000;

// A picture of 8x8 tiles.
struct TilePicture {
    int widthTiles = 0;
    int heightTiles = 0;
    bool sixteenColours = true; // 4 bits a pixel, else 2
    bool newPalette = true;     // 12-bit colour codes, else the 64-colour mode
    std::vector<int> bankRows;  // tile rows of each pattern bank, top to bottom
    // Per bank, its tiles in the converter's packing: for each tile, 8 bytes of each bit
    // plane (bit 0 first), one byte a row with the leftmost pixel in bit 7.
    std::vector<std::vector<std::uint8_t>> bankPatterns;
    std::vector<std::uint8_t> names;         // per tile, its index inside its row's bank
    std::vector<std::uint8_t> blockPalettes; // per 2x2-tile block, palette 0..3
    std::array<std::uint16_t, 64> colours{}; // entry 16 p + c of palette p: low | high << 8

    int tileBytes() const { return sixteenColours ? 32 : 16; }
    int bankStride() const { return sixteenColours ? 0x2000 : 0x1000; }
    int bankOfRow(int tileRow) const;
    int paletteOf(int tileX, int tileY) const;
    std::uint8_t videoFlags() const; // the $2010 value
};

// Reproducible random content. A colour 0 shared by every palette, as converted
// pictures have (pixel value 0 always shows entry 0).
TilePicture randomPicture(int widthTiles, int heightTiles, bool sixteenColours, bool newPalette,
                          std::vector<int> bankRows, unsigned seed);

// The template with the picture's areas, palette and parameter block filled in.
std::vector<std::uint8_t> packRom(std::vector<std::uint8_t> romTemplate, const TilePicture& picture);

// The whole picture as it should look: pixel value v of a tile with palette p shows
// colour entry 16 p + v, decoded as the chip decodes it.
DibImage renderPicture(const TilePicture& picture, const std::string& colourTablePath);

// Colour of a 12-bit palette code (low | high << 8); 0xFFFFFFFF for codes that are not colours.
Colour newModeColour(std::uint16_t code);
// Colour of an entry of the 64-colour palette.
Colour oldModeColour(int index);

} // namespace kadro::test::rom
