#pragma once

#include "reduce/ModeColours.h"
#include "reduce/Oklab.h"

#include <functional>
#include <vector>

namespace kadro {

// The pixels of an area, attribute block after attribute block, in Oklab.
struct BlockPixels {
    std::vector<Lab> pixels;
    std::vector<std::size_t> start; // block b holds pixels [start[b], start[b + 1])

    std::size_t blocks() const { return start.empty() ? 0 : start.size() - 1; }
};

struct ClusteringRules {
    int palettes = 16;
    int colours = 15;       // per palette besides the background
    std::size_t background; // index into the mode's colours
};

// Palettes as indices into the mode's colours (background not included), and the palette of
// each block.
struct Clustering {
    std::vector<std::vector<std::size_t>> palettes;
    std::vector<int> paletteOfBlock;
};

// Chooses the palettes and gives every block one, minimising the squared Oklab error of mapping
// each pixel to the nearest colour of its block's palette (the background included). Blocks
// are first grouped by their colour statistics; then palette colours (k-means over the pixels
// of a palette's blocks, each centre moved to the nearest colour the mode can show) and the
// block assignment (each block to the palette that maps it best) are improved in turn until
// no block moves. `step` is called once per round.
Clustering clusterBlocks(const BlockPixels& area, const ModeColours& mode,
                         const ClusteringRules& rules, const std::function<void()>& step);

// Rounds clusterBlocks runs at most; the progress range of a caller.
inline constexpr int clusteringRounds = 16;

} // namespace kadro
