#pragma once

#include "colour/ColorTables.h"
#include "reduce/Oklab.h"

#include <cstddef>
#include <vector>

namespace kadro {

// The colours one colour mode can show, each exactly as the console shows it: the value the
// code of the colour reads back as. A picture made of these converts without any colour moving,
// so what the reducer shows is what the console shows.
class ModeColours {
public:
    ModeColours(const ColorTables& tables, chip::ColourMode colourMode);

    std::size_t size() const { return colours_.size(); }
    Colour colour(std::size_t i) const { return colours_[i]; }
    const Lab& lab(std::size_t i) const { return labs_[i]; }
    // The index of the colour nearest to a point of Oklab.
    std::size_t nearest(const Lab& point) const;

private:
    std::vector<Colour> colours_;
    std::vector<Lab> labs_;
};

} // namespace kadro
