#pragma once

#include "picture/KdrFile.h"

#include <cstdint>
#include <optional>

namespace kadro {

// The name-table entry of one character cell of a converted picture: the 16-bit name and the
// attribute byte (the attribute table follows the names, which take two of every three bytes).
struct CellEntry {
    std::uint16_t name = 0;
    std::uint8_t attribute = 0;
};

// The cell under picture pixel (x, y), or nothing outside the converted area.
std::optional<int> cellIndexAt(const ConversionSettings& settings, int x, int y);

// Nothing when the cell lies outside the map data (a damaged document).
std::optional<CellEntry> readCellEntry(const ConversionSettings& settings,
                                       const ConversionResults& results, int cell);
bool writeCellEntry(const ConversionSettings& settings, ConversionResults& results, int cell,
                    const CellEntry& entry);

} // namespace kadro
