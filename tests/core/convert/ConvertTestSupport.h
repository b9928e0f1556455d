#pragma once

#include "colour/ColorTables.h"
#include "picture/ConversionSettings.h"
#include "picture/DibImage.h"

#include <memory>

namespace kadro::test {

// Tables for tests in the computed colour mode (1), which needs no table contents; built once.
inline std::shared_ptr<const ColorTables> rgbTables() {
    static const auto tables = std::make_shared<const ColorTables>(
        ColorTables::fromData(std::vector<Colour>(hslTableEntries, 0xFFFFFFFF), {}));
    return tables;
}

template <typename F> DibImage paint(int width, int height, F colourAt) {
    auto image = DibImage::createBlank(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image->setPixel(x, y, colourAt(x, y));
    return std::move(*image);
}

// Settings for converting a whole picture of this size, in the computed colour mode.
inline ConversionSettings settingsFor(int width, int height, int charSize = 0, int compress = 0) {
    ConversionSettings s;
    s.pictureType = 3;
    s.colourMode = 1;
    s.charSize = static_cast<std::uint8_t>(charSize);
    s.compressMode = static_cast<std::uint8_t>(compress);
    s.width = width;
    s.height = height;
    s.endAddress = 0x2000;
    return s;
}

// Cell k of a picture gets its own pattern: bits of k in the top two rows of the cell.
inline Colour distinctTiles(int x, int y, int cellsAcross, Colour ink, Colour paper) {
    const int k = (y / 8) * cellsAcross + x / 8;
    const int bit = (y % 8) * 8 + x % 8;
    return bit < 16 && ((k + 1) >> bit & 1) ? ink : paper;
}

} // namespace kadro::test
