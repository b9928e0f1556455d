#include "document/CellEntry.h"

namespace kadro {

namespace {

struct Offsets {
    std::size_t name;
    std::size_t attribute;
};

std::optional<Offsets> offsetsOf(const ConversionSettings& s, const ConversionResults& r,
                                 int cell) {
    if (cell < 0 || s.mapBytes < 0)
        return std::nullopt;
    const std::size_t nameBytes = static_cast<std::size_t>(s.mapBytes) * 2 / 3;
    const Offsets at{static_cast<std::size_t>(cell) * 2,
                     nameBytes + static_cast<std::size_t>(cell)};
    if (at.name + 1 >= nameBytes || at.attribute >= r.mapData.size())
        return std::nullopt;
    return at;
}

} // namespace

std::optional<int> cellIndexAt(const ConversionSettings& s, int x, int y) {
    if (x < 0 || y < 0 || x >= s.width || y >= s.height)
        return std::nullopt;
    const chip::CharGeometry& g = s.geometry();
    return (y / g.height) * (s.width / g.width) + x / g.width;
}

std::optional<CellEntry> readCellEntry(const ConversionSettings& s, const ConversionResults& r,
                                       int cell) {
    const auto at = offsetsOf(s, r, cell);
    if (!at)
        return std::nullopt;
    const auto name =
        static_cast<std::uint16_t>(r.mapData[at->name] | r.mapData[at->name + 1] << 8);
    return CellEntry{name, r.mapData[at->attribute]};
}

bool writeCellEntry(const ConversionSettings& s, ConversionResults& r, int cell,
                    const CellEntry& entry) {
    const auto at = offsetsOf(s, r, cell);
    if (!at)
        return false;
    r.mapData[at->name] = static_cast<std::uint8_t>(entry.name & 0xFF);
    r.mapData[at->name + 1] = static_cast<std::uint8_t>(entry.name >> 8);
    r.mapData[at->attribute] = entry.attribute;
    return true;
}

} // namespace kadro
