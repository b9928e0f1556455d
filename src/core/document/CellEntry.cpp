#include "document/CellEntry.h"

#include "output/ConvertedData.h"

namespace kadro {

std::optional<int> cellIndexAt(const ConversionSettings& s, int x, int y) {
    if (x < 0 || y < 0 || x >= s.width || y >= s.height)
        return std::nullopt;
    const chip::CharGeometry& g = s.geometry();
    return (y / g.height) * (s.width / g.width) + x / g.width;
}

std::optional<CellEntry> readCellEntry(const ConversionSettings& s, const ConversionResults& r,
                                       int cell) {
    const ConvertedData data(s, r);
    if (!data.hasCell(cell))
        return std::nullopt;
    return CellEntry{data.name(cell), data.attribute(cell)};
}

bool writeCellEntry(const ConversionSettings& s, ConversionResults& r, int cell,
                    const CellEntry& entry) {
    return ConvertedData::writeCell(s, r, cell, entry.name, entry.attribute);
}

} // namespace kadro
