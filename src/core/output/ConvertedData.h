#pragma once

#include "picture/KdrFile.h"

#include <cstdint>
#include <span>
#include <string>

namespace kadro {

// The one reader of a conversion's results: the name table holds every cell's 16-bit name, then
// every cell's attribute byte. The blocks may come from an untrusted ".kdr" file, so problem()
// checks them against the header before any writer uses them, and every accessor stays inside
// its block.
class ConvertedData {
public:
    ConvertedData(const ConversionSettings& settings, const ConversionResults& results)
        : s_(settings), r_(results) {}

    // Empty when the blocks fit the header and each other; otherwise what is wrong.
    std::string problem() const;

    const ConversionSettings& settings() const { return s_; }
    const ConversionResults& results() const { return r_; }

    int tileWidth() const { return s_.geometry().width; }
    int tileHeight() const { return s_.geometry().height; }
    int cellsAcross() const { return s_.cellsAcross(); }
    int cellsDown() const { return s_.cellsDown(); }
    int cellCount() const { return s_.mapBytes / 3; }
    int nameBytes() const { return 2 * cellCount(); }

    // 0 past the end of its table.
    std::uint16_t name(int cell) const;
    std::uint8_t attribute(int cell) const;
    std::uint16_t paletteEntry(int index) const;
    // The names as they are stored, two bytes a cell (as far as the table holds them).
    std::span<const std::uint8_t> nameBytesStored() const;
    // Whether the name table holds the cell's name and attribute (a damaged one may not).
    bool hasCell(int cell) const;
    // Distinct attribute bytes among the cells: the palettes the picture uses.
    int palettesUsed() const;
    // The one writer of a cell's entry, for edits of single results; false when the name table
    // does not hold the cell.
    static bool writeCell(const ConversionSettings& settings, ConversionResults& results, int cell,
                          std::uint16_t name, std::uint8_t attribute);

    std::span<const std::uint8_t> pattern() const { return r_.patternData; }
    int bankCount() const { return s_.bankCount(); }
    int bankSize(int bank) const;
    // Pixel rows of bank (1 .. bankCount-1) before the next one starts, less one: the value
    // the scan-line interrupt counts.
    std::int32_t irqRows(int bank) const;
    // The scan-line counter is one byte: empty when every bank's count fits, otherwise which
    // bank and value do not.
    std::string irqRowsProblem() const;

    // The four attribute bytes of the 4 x 4 cell block whose top-left cell is index, packed two
    // bits each. Cells past the last one add nothing; with wholeBlockTail the lower pair is
    // only taken when its right cell exists (the name table text works so).
    std::uint8_t packedAttributes(int index, bool wholeBlockTail) const;

private:
    const ConversionSettings& s_;
    const ConversionResults& r_;
};

} // namespace kadro
