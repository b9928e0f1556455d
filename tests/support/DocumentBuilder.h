#pragma once

#include "common/ByteIo.h"
#include "picture/KdrFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kadro::test {

// A converted document made by hand: names and attributes in cell order, the palette entries
// (the rest 0xFFFF), the PGT and the bank start rows (the first must be 0).
struct DocumentPlan {
    int width = 16, height = 16, charSize = 0, colourCount = 0, colourMode = 0;
    std::vector<std::uint16_t> names;
    std::vector<std::uint8_t> attributes;
    std::vector<std::uint16_t> palette;
    std::vector<std::uint8_t> pattern;
    std::vector<std::int32_t> bankStartRows{0};
    std::vector<std::int16_t> bankSizes;
};

inline KdrDocument makeDocument(const DocumentPlan& plan) {
    KdrDocument doc;
    auto& s = doc.settings;
    s.pictureType = 3;
    s.width = plan.width;
    s.height = plan.height;
    s.charSize = static_cast<std::uint8_t>(plan.charSize);
    s.colourCount = static_cast<std::uint8_t>(plan.colourCount);
    s.colourMode = static_cast<std::uint8_t>(plan.colourMode);
    s.mapBytes = static_cast<std::int32_t>(3 * plan.names.size());
    s.paletteBytes = paletteCodeBytes;
    s.patternBytes = static_cast<std::int32_t>(plan.pattern.size());
    s.bankStartRows.fill(-1);
    for (std::size_t k = 0; k < plan.bankStartRows.size(); ++k)
        s.bankStartRows[k] = plan.bankStartRows[k];
    for (std::size_t k = 0; k < plan.bankSizes.size(); ++k)
        s.bankSizes[k] = plan.bankSizes[k];
    bytes::ByteWriter map;
    for (auto name : plan.names)
        map.u16(name);
    for (std::size_t i = 0; i < plan.names.size(); ++i)
        map.u8(i < plan.attributes.size() ? plan.attributes[i] : 0);
    doc.results.mapData = map.take();
    bytes::ByteWriter palette;
    for (std::size_t i = 0; i < 256; ++i)
        palette.u16(i < plan.palette.size() ? plan.palette[i] : 0xFFFF);
    doc.results.paletteCodes = palette.take();
    doc.results.patternData = plan.pattern;
    return doc;
}

inline std::vector<std::uint8_t> counting(std::size_t n) {
    std::vector<std::uint8_t> v(n);
    for (std::size_t i = 0; i < n; ++i)
        v[i] = static_cast<std::uint8_t>(i);
    return v;
}

// The "logo" picture: 16 x 16, 16 colours, "8*8", four tiles in one bank of 128 bytes.
inline DocumentPlan logoPlan() {
    DocumentPlan plan;
    plan.names = {0, 1, 2, 3};
    plan.attributes = {0, 1, 2, 3};
    for (std::uint16_t i = 0; i < 64; ++i)
        plan.palette.push_back(static_cast<std::uint16_t>(0x0100 * (i % 4) + i));
    plan.pattern = counting(128);
    plan.bankSizes = {128};
    return plan;
}

} // namespace kadro::test
