#pragma once

#include "common/Colour.h"
#include "reduce/Oklab.h"

#include <span>
#include <vector>

namespace kadro {

enum class Dither { None, Ordered, Diffusion };

// The colours a block may use, the background first, with their Oklab points.
struct MappingPalette {
    std::vector<Colour> colours;
    std::vector<Lab> labs;
};

// An area's pixels in Oklab, row by row, and the palette each 16 x 16 block (laid from the
// area's corner) maps to.
struct MappingArea {
    int width = 0;
    int height = 0;
    std::span<const Lab> pixels;
    std::span<const MappingPalette> palettes;
    std::span<const int> paletteOfBlock; // blocks row by row

    const MappingPalette& paletteAt(int x, int y) const;
};

// Gives every pixel a colour of its block's palette, row by row. Without dithering the nearest
// one. Ordered dithering (Thomas Knoll's pattern method over an 8 x 8 Bayer matrix) makes, per
// pixel, a mix of the block's colours whose average approaches the pixel and takes the mix's
// member the matrix picks. Error diffusion (Floyd-Steinberg, rows in alternate directions)
// carries each pixel's error on to its neighbours, whatever their block; every choice is still
// made within the pixel's own block palette. Strength 0..1 scales the dither.
std::vector<Colour> mapPixels(const MappingArea& area, Dither dither, float strength);

} // namespace kadro
