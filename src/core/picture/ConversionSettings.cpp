#include "picture/ConversionSettings.h"

#include "common/ByteIo.h"

#include <algorithm>
#include <unordered_set>

namespace kadro {

using namespace bytes;

namespace {
// Field offsets of the settings header.
enum Offset : std::size_t {
    oMagic = 0,
    oLabel = 4,
    oPaletteFirst = 14,
    oPaletteUsed = 15,
    oHeaderVersion = 16,
    oPictureType = 20,
    oColourCount = 21,
    oCharSize = 22,
    oPntAttributeMode = 23,
    oMapBytes = 24,
    oPaletteBytes = 28,
    oPatternBytes = 32,
    oWidth = 36,
    oHeight = 40,
    oCompressMode = 44,
    oReserved45 = 45,
    oOutputLevel = 46,
    oColourMode = 47,
    oBankStartRows = 48,
    oBankSizes = 1072,
    oStartAddress = 1104,
    oEndAddress = 1106,
    oReserved = 1108,
};
} // namespace

std::array<std::uint8_t, ConversionSettings::byteSize> ConversionSettings::toBytes() const {
    std::array<std::uint8_t, byteSize> b{};
    std::copy(formatMagic.begin(), formatMagic.end(), b.begin() + oMagic);
    std::copy(label.begin(), label.end(), b.begin() + oLabel);
    b[oPaletteFirst] = paletteFirst;
    b[oPaletteUsed] = paletteUsed;
    writeU32(b, oHeaderVersion, static_cast<std::uint32_t>(headerVersion));
    b[oPictureType] = pictureType;
    b[oColourCount] = colourCount;
    b[oCharSize] = charSize;
    b[oPntAttributeMode] = pntAttributeMode;
    writeU32(b, oMapBytes, static_cast<std::uint32_t>(mapBytes));
    writeU32(b, oPaletteBytes, static_cast<std::uint32_t>(paletteBytes));
    writeU32(b, oPatternBytes, static_cast<std::uint32_t>(patternBytes));
    writeU32(b, oWidth, static_cast<std::uint32_t>(width));
    writeU32(b, oHeight, static_cast<std::uint32_t>(height));
    b[oCompressMode] = compressMode;
    b[oReserved45] = reserved45;
    b[oOutputLevel] = outputLevel;
    b[oColourMode] = colourMode;
    for (std::size_t i = 0; i < bankStartRows.size(); ++i)
        writeU32(b, oBankStartRows + 4 * i, static_cast<std::uint32_t>(bankStartRows[i]));
    for (std::size_t i = 0; i < bankSizes.size(); ++i)
        writeU16(b, oBankSizes + 2 * i, static_cast<std::uint16_t>(bankSizes[i]));
    writeU16(b, oStartAddress, startAddress);
    writeU16(b, oEndAddress, endAddress);
    std::copy(reserved.begin(), reserved.end(), b.begin() + oReserved);
    return b;
}

ConversionSettings ConversionSettings::fromBytes(std::span<const std::uint8_t, byteSize> b) {
    ConversionSettings s;
    std::copy_n(b.begin() + oMagic, s.formatMagic.size(), s.formatMagic.begin());
    std::copy_n(b.begin() + oLabel, s.label.size(), s.label.begin());
    s.paletteFirst = b[oPaletteFirst];
    s.paletteUsed = b[oPaletteUsed];
    s.headerVersion = readI32(b, oHeaderVersion);
    s.pictureType = b[oPictureType];
    s.colourCount = b[oColourCount];
    s.charSize = b[oCharSize];
    s.pntAttributeMode = b[oPntAttributeMode];
    s.mapBytes = readI32(b, oMapBytes);
    s.paletteBytes = readI32(b, oPaletteBytes);
    s.patternBytes = readI32(b, oPatternBytes);
    s.width = readI32(b, oWidth);
    s.height = readI32(b, oHeight);
    s.compressMode = b[oCompressMode];
    s.reserved45 = b[oReserved45];
    s.outputLevel = b[oOutputLevel];
    s.colourMode = b[oColourMode];
    for (std::size_t i = 0; i < s.bankStartRows.size(); ++i)
        s.bankStartRows[i] = readI32(b, oBankStartRows + 4 * i);
    for (std::size_t i = 0; i < s.bankSizes.size(); ++i)
        s.bankSizes[i] = readI16(b, oBankSizes + 2 * i);
    s.startAddress = readU16(b, oStartAddress);
    s.endAddress = readU16(b, oEndAddress);
    std::copy_n(b.begin() + oReserved, s.reserved.size(), s.reserved.begin());
    return s;
}

int ConversionSettings::bankCount() const {
    int k = 0;
    while (k < bankRowEntries && bankStartRows[static_cast<std::size_t>(k)] != -1)
        ++k;
    return k;
}

std::vector<Colour> colourStats(const DibImage* image, int left, int top, int width, int height) {
    std::vector<Colour> colours;
    std::unordered_set<Colour> seen;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            Colour c = 0;
            if (!image || image->getPixel(x, y, c) != PixelStatus::Ok)
                c = 0;
            if (seen.insert(c).second) {
                colours.push_back(c);
                if (colours.size() == maxUsedColours)
                    return colours;
            }
        }
    }
    return colours;
}

} // namespace kadro
