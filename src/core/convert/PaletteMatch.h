#pragma once

#include "common/ChipRules.h"
#include "palette/PaletteFile.h"

#include <span>

// Exact colour matching against the palette table: the conversion never approximates, so a
// colour belongs to a palette only when a used slot holds exactly that value.
namespace kadro::palettematch {

// The first used slot among the first `size` slots of palette p holding the colour, or -1.
inline int slotOf(const PaletteTable& table, int p, int size, Colour colour) {
    const PaletteSlot* palette = table.data() + p * chip::slotsPerPalette;
    for (int s = 0; s < size; ++s)
        if (palette[s].used != 0 && palette[s].colour == colour)
            return s;
    return -1;
}

inline bool holdsAll(const PaletteTable& table, int p, int size, std::span<const Colour> colours) {
    for (Colour c : colours)
        if (slotOf(table, p, size, c) < 0)
            return false;
    return true;
}

// The first of the first `count` palettes that holds every colour, or -1.
inline int firstHolding(const PaletteTable& table, int count, int size,
                        std::span<const Colour> colours) {
    for (int p = 0; p < count; ++p)
        if (holdsAll(table, p, size, colours))
            return p;
    return -1;
}

} // namespace kadro::palettematch
