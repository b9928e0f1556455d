#include "document/InformationText.h"

#include <algorithm>
#include <cstdio>

namespace kadro::information {

namespace {

template <typename... Args> std::string format(const char* pattern, Args... args) {
    char buffer[128];
    const int n = std::snprintf(buffer, sizeof buffer, pattern, args...);
    return std::string(buffer, static_cast<std::size_t>(n < 0 ? 0 : n));
}

std::string name(std::string_view text) {
    return std::string(text);
}

} // namespace

int tileCount(const ConversionSettings& s) {
    return s.patternBytes / chip::pgtBytesPerChar(s.colourCount, s.charSize);
}

int storedTileCount(const ConversionSettings& s) {
    int pixelBytes = -2 * s.startAddress;
    for (int k = 0; k < std::min(s.bankCount(), chip::maxBanks); ++k)
        pixelBytes += s.bankSizes[static_cast<std::size_t>(k)] * chip::pixelsPerByte(s.colourCount);
    return pixelBytes / s.geometry().tilePixelBytes;
}

std::string forImage(int width, int height) {
    return format("width:%d\n", width) + format("height:%d\n", height);
}

std::string forKdr(const ConversionSettings& s) {
    std::string text = forImage(s.width, s.height);
    text += format("compress mode:%s\n",
                   name(chip::displayName(chip::compressNames, s.compressMode)).c_str());
    text += format("color mode:%s\n",
                   name(chip::displayName(chip::colourCountNames, s.colourCount)).c_str());
    text += format("block mode:%s\n", name(s.geometry().label).c_str());
    text += format("block:%d\n", tileCount(s));
    text += format("PGT size:$%X\n", static_cast<unsigned>(s.patternBytes));
    text += format("begin address:$%X\n", static_cast<unsigned>(s.startAddress));
    text += format("end address:$%X\n", static_cast<unsigned>(s.endAddress));
    if (s.headerVersion > 1) {
        text += format("PAL begin:$%X\n", static_cast<unsigned>(s.paletteFirst));
        text += format("color:$%X\n", static_cast<unsigned>(s.paletteUsed - 15));
    }
    return text;
}

std::string forConversion(const ConversionSettings& s) {
    std::string text = forImage(s.width, s.height);
    text += format("Address:%d\n", static_cast<int>(s.pntAttributeMode));
    text += format("compress:%s\n",
                   name(chip::displayName(chip::compressNames, s.compressMode)).c_str());
    text += format("color:%s\n",
                   name(chip::displayName(chip::colourCountNames, s.colourCount)).c_str());
    text += format("blockmode:%s\n", name(s.geometry().label).c_str());
    text += format("block:%d\n", tileCount(s));
    text += format("PGTsize:$%X\n", static_cast<unsigned>(s.patternBytes));
    return text;
}

} // namespace kadro::information
