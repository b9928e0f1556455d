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

// A palette number per set, or nothing when no packing was found. Runs a local search over the
// palettes' colours, then, when that fails on a small problem, an exact search that either finds
// a packing or proves there is none. Deterministic.
std::optional<std::vector<int>> searchPacking(const PackingProblem& problem);

} // namespace kadro
