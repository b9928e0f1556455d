#pragma once

#include "colour/ColorTables.h"
#include "picture/ConversionSettings.h"
#include "picture/DibImage.h"
#include "picture/KdrFile.h"

#include <array>

namespace kadro {

// Draws converted data back into a picture as the console would show it: every character cell
// from its name, attribute, packed pattern and palette codes, the converted area's corner at the
// picture's origin.
class Preview {
public:
    Preview(const ConversionSettings& settings, const ConversionResults& results,
            const ColorTables& tables);

    // Draws every cell; a cell that cannot be drawn is skipped and the others are still drawn.
    // Returns the number of cells skipped.
    int render(DibImage& image) const;

    // Draws one cell at (x, y) from the bank starting at bankBase PGT bytes. Fails, leaving the
    // cell as it was, when its name or attribute lies outside the name table or its pattern
    // outside the pattern data (possible in a loaded document); fails part-way when a pixel
    // cannot be set (outside the picture).
    bool drawCell(DibImage& image, int bankBase, int x, int y, int cell) const;

private:
    const ConversionSettings& settings_;
    const ConversionResults& results_;
    std::array<Colour, 256> slotColours_{};
};

} // namespace kadro
