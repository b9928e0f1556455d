#include "reduce/ModeColours.h"

#include "common/ChipRules.h"

#include <unordered_set>

namespace kadro {

namespace {

// Every code of the mode that is a colour: codes without the no-colour bits for the two 4K
// modes (the RGB mode's red levels 14 and 15 read back as no red, which the distinct colours
// below fold away), the 64 entries of the old palette.
std::vector<std::uint16_t> codesOf(chip::ColourMode colourMode) {
    std::vector<std::uint16_t> codes;
    if (colourMode == chip::ColourMode::Nes) {
        for (std::uint16_t c = 0; c < nesPaletteEntries; ++c)
            codes.push_back(c);
        return codes;
    }
    for (std::uint32_t c = 0; c < hslTableEntries; ++c)
        if ((c & chip::noColourCodeBits) == 0)
            codes.push_back(static_cast<std::uint16_t>(c));
    return codes;
}

} // namespace

ModeColours::ModeColours(const ColorTables& tables, chip::ColourMode colourMode) {
    std::unordered_set<Colour> seen;
    for (std::uint16_t code : codesOf(colourMode)) {
        const Colour c = tables.fromVt03Code(code, colourMode);
        if (c > highestColourValue || !seen.insert(c).second)
            continue;
        // Only a colour whose own code reads back as itself survives the conversion unchanged.
        if (tables.fromVt03Code(tables.toVt03Code(c, colourMode), colourMode) != c)
            continue;
        colours_.push_back(c);
        labs_.push_back(toOklab(c));
    }
}

std::size_t ModeColours::nearest(const Lab& point) const {
    std::size_t best = 0;
    float bestDistance = squaredDistance(point, labs_.empty() ? point : labs_[0]);
    for (std::size_t i = 1; i < labs_.size(); ++i) {
        const float d = squaredDistance(point, labs_[i]);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

} // namespace kadro
