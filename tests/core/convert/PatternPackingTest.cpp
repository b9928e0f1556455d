#include "convert/PatternPacking.h"

#include "ConvertTestSupport.h"

#include <gtest/gtest.h>

#include <random>

using namespace kadro;
using namespace kadro::packing;

TEST(PatternPacking, PlanesHoldOneBitOfEachPixelLeftmostFirst) {
    const std::vector<std::uint8_t> slotOne(64, 1);
    auto packed = packPatterns(slotOne, 0);
    ASSERT_EQ(packed.size(), 32u);
    for (std::size_t i = 0; i < 32; ++i)
        EXPECT_EQ(packed[i], i < 8 ? 0xFF : 0x00) << i;
    EXPECT_EQ(packPatterns(slotOne, 1),
              std::vector<std::uint8_t>(
                  {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0}));

    std::vector<std::uint8_t> ramp(64, 0);
    for (std::size_t i = 0; i < 8; ++i)
        ramp[i] = static_cast<std::uint8_t>(i % 4);
    packed = packPatterns(ramp, 1);
    EXPECT_EQ(packed[0], 0x55);
    EXPECT_EQ(packed[8], 0x33);

    EXPECT_EQ(packPatterns(std::vector<std::uint8_t>(128, 0xFF), 0),
              std::vector<std::uint8_t>(64, 0xFF))
        << "padding";
    std::vector<std::uint8_t> limit(64, 16);
    EXPECT_EQ(packPatterns(limit, 0), std::vector<std::uint8_t>(32, 0)) << "the limit packs to 0";
}

TEST(PatternPacking, UnpackingRestoresTheSlotNumbers) {
    std::mt19937 random(7);
    for (int colourCount : {0, 1}) {
        const int limit = colourCount == 1 ? 4 : 16;
        std::vector<std::uint8_t> pixels(64 * 40);
        for (auto& p : pixels)
            p = static_cast<std::uint8_t>(random() % static_cast<unsigned>(limit + 1));
        auto back = unpackPatterns(packPatterns(pixels, colourCount), colourCount);
        ASSERT_EQ(back.size(), pixels.size());
        for (std::size_t i = 0; i < pixels.size(); ++i)
            ASSERT_EQ(back[i], pixels[i] == limit ? 0 : pixels[i]) << colourCount << " " << i;
    }
}

TEST(PatternPacking, PaletteCodesCoverUsedSlotsOfTheColourCount) {
    PaletteTable table{};
    table[0] = {0x0000FF, 1}; // pure red
    table[5] = {0xFF0000, 1}; // pure blue, beyond 4-colour palettes
    table[6] = {0xFFFFFF, 0};
    const auto& tables = *test::rgbTables();
    auto codes = paletteCodes(table, 0, chip::ColourMode::Rgb, tables);
    ASSERT_EQ(codes.size(), 512u);
    EXPECT_EQ(codes[0] | codes[1] << 8, 13);
    EXPECT_EQ(codes[10] | codes[11] << 8, 0x3C00);
    EXPECT_EQ(codes[12] | codes[13] << 8, 0xFFFF) << "unused";
    codes = paletteCodes(table, 1, chip::ColourMode::Rgb, tables);
    EXPECT_EQ(codes[10] | codes[11] << 8, 0xFFFF) << "slot 5 is not a 4-colour slot";

    ConversionSettings s;
    s.colourCount = 1;
    table[0].used = 0;
    table[0x23] = {0, 1};
    const std::vector<std::int16_t> names{0};
    const std::vector<std::uint8_t> attributes{2}, pixels(64, 0);
    auto results = packResults(s, names, attributes, pixels, table, tables);
    EXPECT_EQ(s.paletteFirst, 0x23);
    EXPECT_EQ(s.paletteUsed, 1);
    EXPECT_EQ(s.patternBytes, 16);
    EXPECT_EQ(results.mapData, std::vector<std::uint8_t>({0, 0, 2}));
}
