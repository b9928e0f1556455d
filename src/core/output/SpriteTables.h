#pragma once

#include "output/ConvertedData.h"

#include <string>
#include <vector>

namespace kadro {

// Every connected group of non-background tiles of the name table becomes one sprite, written
// as a header line (tile count, mode) and one line per tile (y, pattern, status, x).
class SpriteTables {
public:
    // The console's count byte holds 255 at most: a larger group is split into several sprites,
    // each grown breadth first from its lowest remaining tile.
    static constexpr int maxSpriteTiles = 255;

    // Tiles named 1 belong to a sprite but are neither counted nor listed.
    static constexpr std::uint16_t hiddenName = 1;

    static std::string text(const ConvertedData& data, const std::string& stem, bool extended);
    // A sprite line holds each tile's offset from the sprite's corner in one byte: empty when
    // every sprite's offsets fit, otherwise which sprite and value do not.
    static std::string problem(const ConvertedData& data);

    // Name-table byte offsets of one sprite in the order they were reached.
    static std::vector<int> grow(const std::vector<std::uint16_t>& names, int cellsAcross,
                                 int first, std::uint16_t background);

private:
    // Every sprite's tiles in the order text() writes the sprites.
    static std::vector<std::vector<int>> sprites(const ConvertedData& data);
};

} // namespace kadro
