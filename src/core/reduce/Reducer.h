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
    chip::ColourMode colourMode = chip::ColourMode::Hsl;
    chip::ColourCount colourCount = chip::ColourCount::Sixteen;
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

// The reduction of one area in two steps, so that a preview can try the dithers without
// choosing the palettes again: plan chooses the background, up to 16 palettes and the palette
// of every 16 x 16 attribute block (laid from the area's corner); map gives every pixel a colour
// of its block's palette. Every colour is one the colour mode shows exactly, so the result
// converts as it is, with best-fit palette packing.
class ReductionPlan {
public:
    // Nothing, with the person told why, when the picture is not 24-bit, the area does not lie
    // inside it or the colour mode has no colours.
    static std::optional<ReductionPlan> plan(const DibImage& image, Selection area,
                                             const ReduceSettings& settings,
                                             const ColorTables& tables, UserInterface& ui);

    // The area's new pixels, row by row, and the palettes with the PSNR they give. When the
    // background is the default one, the pixel at (0, 0) keeps it, so that the conversion's
    // own default finds it again.
    std::vector<Colour> map(Dither dither, float strength, Reduction& reduction) const;
    // Writes mapped pixels into the area of a picture of the planned size.
    void apply(std::span<const Colour> pixels, DibImage& image) const;

    const Selection& area() const { return area_; }

private:
    ReductionPlan() = default;

    Selection area_;
    bool defaultBackground_ = true;
    std::vector<Colour> original_;
    std::vector<Lab> labs_;
    std::vector<MappingPalette> palettes_; // the background first in each
    std::vector<int> paletteOfBlock_;
};

// Plans and maps in one go and writes the result into the picture; pixels outside the area stay.
std::optional<Reduction> reducePicture(DibImage& image, Selection area,
                                       const ReduceSettings& settings, const ColorTables& tables,
                                       UserInterface& ui);

// Peak signal-to-noise ratio of two 24-bit pictures over an area, over the red, green and blue
// bytes; infinity when they are equal there.
double peakSignalToNoise(const DibImage& a, const DibImage& b, Selection area);

} // namespace kadro
