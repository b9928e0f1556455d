#pragma once

#include "colour/ColorTables.h"
#include "common/ChipRules.h"
#include "common/UserInterface.h"
#include "picture/DibImage.h"
#include "picture/Selection.h"
#include "reduce/Dithering.h"

#include <optional>
#include <vector>

namespace kadro {

struct ReduceSettings {
    int colourMode = chip::HslMode;
    int colourCount = 0; // 0 = 16 colours, 1 = 4 colours
    // Slot 0 of every palette; without it the colour of the picture's pixel (0, 0), as the
    // conversion takes it.
    std::optional<Colour> background;
    Dither dither = Dither::None;
    float strength = 1.0f; // 0..1
};

struct Reduction {
    Colour background = 0; // as the console shows it
    // Each palette's colours besides the background, at most 15 (or 3) of them.
    std::vector<std::vector<Colour>> palettes;
    double psnr = 0; // of the reduced area against the original, in dB
};

inline constexpr const char* reducingText = "Reducing colours...";

// Reduces an area of a 24-bit picture, in place, to what the console can show: every 16 x 16
// attribute block (laid from the area's corner) takes one of at most 16 palettes of 16 (or 4)
// colours whose slot 0 is the background, and every colour is one the colour mode shows exactly.
// The result therefore converts as it is, with best-fit palette packing. When the background
// is the default one, the pixel at (0, 0) keeps it, so that the conversion's own default finds
// it again. Pixels outside the area stay as they are. Nothing, with the person told why, when
// the picture is not 24-bit or the area does not lie inside it.
std::optional<Reduction> reducePicture(DibImage& image, Selection area,
                                       const ReduceSettings& settings, const ColorTables& tables,
                                       UserInterface& ui);

// Peak signal-to-noise ratio of two 24-bit pictures over an area, over the red, green and blue
// bytes; infinity when they are equal there.
double peakSignalToNoise(const DibImage& a, const DibImage& b, Selection area);

} // namespace kadro
