#include "output/ConvertedData.h"

#include "common/ByteIo.h"
#include "output/AsmText.h"

#include <algorithm>
#include <set>

namespace kadro {

std::string ConvertedData::problem() const {
    if (std::string reason = checkConvertedHeader(s_); !reason.empty())
        return reason;
    if (s_.width % tileWidth() != 0 || s_.height % tileHeight() != 0)
        return "picture size is not a whole number of characters";
    if (r_.mapData.size() != static_cast<std::size_t>(s_.mapBytes))
        return "name table is not as long as the header says";
    if (r_.paletteCodes.size() != static_cast<std::size_t>(paletteCodeBytes))
        return "palette block is not 512 bytes";
    if (r_.patternData.size() != static_cast<std::size_t>(s_.patternBytes))
        return "pattern block is not as long as the header says";
    return {};
}

std::uint16_t ConvertedData::name(int cell) const {
    const auto at = 2 * static_cast<std::size_t>(cell);
    if (cell < 0 || cell >= cellCount() || at + 1 >= r_.mapData.size())
        return 0;
    return bytes::readU16(r_.mapData, at);
}

std::uint8_t ConvertedData::attribute(int cell) const {
    const auto at = static_cast<std::size_t>(nameBytes()) + static_cast<std::size_t>(cell);
    if (cell < 0 || cell >= cellCount() || at >= r_.mapData.size())
        return 0;
    return r_.mapData[at];
}

std::span<const std::uint8_t> ConvertedData::nameBytesStored() const {
    const std::span<const std::uint8_t> map(r_.mapData);
    return map.first(std::min(map.size(), static_cast<std::size_t>(std::max(0, nameBytes()))));
}

bool ConvertedData::hasCell(int cell) const {
    return cell >= 0 && cell < cellCount() &&
           static_cast<std::size_t>(nameBytes()) + static_cast<std::size_t>(cell) <
               r_.mapData.size();
}

int ConvertedData::palettesUsed() const {
    std::set<std::uint8_t> attributes;
    for (int cell = 0; cell < cellCount(); ++cell)
        attributes.insert(attribute(cell));
    return static_cast<int>(attributes.size());
}

bool ConvertedData::writeCell(const ConversionSettings& settings, ConversionResults& results,
                              int cell, std::uint16_t name, std::uint8_t attribute) {
    const ConvertedData data(settings, results);
    if (!data.hasCell(cell))
        return false;
    bytes::writeU16(results.mapData, 2 * static_cast<std::size_t>(cell), name);
    results.mapData[static_cast<std::size_t>(data.nameBytes() + cell)] = attribute;
    return true;
}

std::uint16_t ConvertedData::paletteEntry(int index) const {
    const auto at = 2 * static_cast<std::size_t>(index);
    if (index < 0 || at + 1 >= r_.paletteCodes.size())
        return 0;
    return bytes::readU16(r_.paletteCodes, at);
}

int ConvertedData::bankSize(int bank) const {
    if (bank < 0 || bank >= chip::maxBanks)
        return 0;
    return static_cast<std::uint16_t>(s_.bankSizes[static_cast<std::size_t>(bank)]);
}

std::int32_t ConvertedData::irqRows(int bank) const {
    const auto k = static_cast<std::size_t>(bank);
    return s_.bankStartRows[k] - s_.bankStartRows[k - 1] - 1;
}

std::string ConvertedData::irqRowsProblem() const {
    for (int bank = 1; bank < bankCount(); ++bank) {
        const std::int32_t rows = irqRows(bank);
        if (rows > 0xFF)
            return "bank " + std::to_string(bank - 1) + " spans " + std::to_string(rows + 1) +
                   " pixel rows, but its IRQ count " +
                   AsmText::hex(static_cast<std::uint32_t>(rows)) +
                   " does not fit a byte (at most 256 rows a bank)";
    }
    return {};
}

std::uint8_t ConvertedData::packedAttributes(int index, bool wholeBlockTail) const {
    const int n = cellCount();
    const int w = cellsAcross();
    auto term = [&](int cell, int shift) {
        return cell < n ? (attribute(cell) << shift) & 0xFF : 0;
    };
    int value = term(index, 0) | term(index + 2, 2);
    if (!wholeBlockTail || index + 2 * w + 2 < n)
        value |= term(index + 2 * w, 4) | term(index + 2 * w + 2, 6);
    return static_cast<std::uint8_t>(value);
}

} // namespace kadro
