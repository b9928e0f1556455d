#pragma once

#include "reduce/PackingSearch.h"

#include <optional>
#include <vector>

namespace kadro {

// A local search over the palettes' colours instead of over the palette of each set: a set is
// held when some palette has all its colours, wherever else they are. Each step takes a set that
// no palette holds and puts its missing colours into the palette where that costs least, removing
// the colours whose loss uncovers the fewest sets; sets that stay uncovered through a step weigh
// more from then on (the breakout method), so the search leaves a local minimum instead of
// circling in it. Small sets drawn from few colours fit many palettes in many ways, which is
// where moving whole sets between palettes loses its way.
//
// The search starts from empty palettes; `steps` bounds the work. A palette number per set, or
// nothing when the steps ran out. Deterministic for a seed.
std::optional<std::vector<int>> searchCover(const PackingProblem& problem, long steps,
                                            unsigned seed);

} // namespace kadro
