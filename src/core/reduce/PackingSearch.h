#pragma once

#include "reduce/ColourBits.h"

#include <optional>
#include <vector>

namespace kadro {

// Colour sets to be grouped into at most `count` palettes whose unions hold at most `room`
// colours each: bin packing in which items that share colours take less room together (the
// pagination problem).
struct PackingProblem {
    std::vector<ColourBits> sets; // none inside another
    int room = 15;
    int count = 16;
};

// A palette number per set, or nothing when no packing was found. Runs a greedy merge of the
// sets with the most colours in common, then for small problems an exact search (which may also
// prove that no packing exists), then simulated annealing over the palette of each set.
// Deterministic.
std::optional<std::vector<int>> searchPacking(const PackingProblem& problem);

} // namespace kadro
