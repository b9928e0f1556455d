#pragma once

#include "picture/KdrFile.h"

#include <vector>

namespace kadro::test {

// A converted document as a saved ".kdr" would hold it, with recognisable block contents:
// name i has low byte i, attribute i is i mod 4, pattern byte n is (7n + 3) mod 256 and palette
// code n is n | (n mod 64) << 8 (so its low byte is n and its high byte n mod 64).
inline KdrDocument convertedDocument(int width, int height, const std::vector<int>& bankRows,
                                     const std::vector<int>& bankSizes, int charSize = 0,
                                     int colourCount = 0, int startAddress = 0) {
    KdrDocument d;
    ConversionSettings& s = d.settings;
    s.pictureType = 3;
    s.width = width;
    s.height = height;
    s.charSize = static_cast<std::uint8_t>(charSize);
    s.colourCount = static_cast<std::uint8_t>(colourCount);
    s.startAddress = static_cast<std::uint16_t>(startAddress);
    s.bankStartRows.fill(-1);
    for (std::size_t k = 0; k < bankRows.size(); ++k)
        s.bankStartRows[k] = bankRows[k];
    for (std::size_t k = 0; k < bankSizes.size(); ++k)
        s.bankSizes[k] = static_cast<std::int16_t>(bankSizes[k]);

    const int cells = s.cellsAcross() * s.cellsDown();
    auto& map = d.results.mapData;
    for (int i = 0; i < cells; ++i) {
        map.push_back(static_cast<std::uint8_t>(i));
        map.push_back(static_cast<std::uint8_t>(i >> 8));
    }
    for (int i = 0; i < cells; ++i)
        map.push_back(static_cast<std::uint8_t>(i % 4));
    for (int n = 0; n < 256; ++n) {
        d.results.paletteCodes.push_back(static_cast<std::uint8_t>(n));
        d.results.paletteCodes.push_back(static_cast<std::uint8_t>(n % 64));
    }
    const int patternBytes =
        bankSizes.empty()
            ? 0
            : static_cast<int>(bankSizes.size() - 1) * s.bankStride() + bankSizes.back();
    for (int n = 0; n < patternBytes; ++n)
        d.results.patternData.push_back(static_cast<std::uint8_t>(7 * n + 3));
    s.mapBytes = static_cast<std::int32_t>(map.size());
    s.paletteBytes = static_cast<std::int32_t>(d.results.paletteCodes.size());
    s.patternBytes = patternBytes;
    return d;
}

} // namespace kadro::test
