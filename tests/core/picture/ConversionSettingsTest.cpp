#include "picture/ConversionSettings.h"

#include <gtest/gtest.h>

using namespace kadro;

TEST(ConversionSettings, NewHeaderHasItsStartUpBytes) {
    const auto b = ConversionSettings{}.toBytes();
    ASSERT_EQ(b.size(), 1120u);
    EXPECT_EQ(b[0], 'K');
    EXPECT_EQ(b[1], 'D');
    EXPECT_EQ(b[2], 'R');
    EXPECT_EQ(b[3], 0);
    for (int i = 4; i < 13; ++i)
        EXPECT_EQ(b[i], ' ') << i;
    EXPECT_EQ(b[13], 0);
    EXPECT_EQ(b[16], 2);
    for (std::size_t i = 17; i < b.size(); ++i)
        EXPECT_EQ(b[i], 0) << "byte " << i;
}

TEST(ConversionSettings, FieldsSitAtTheirOffsetsAndRoundTrip) {
    ConversionSettings s;
    s.paletteFirst = 3;
    s.paletteUsed = 0xF1;
    s.pictureType = 3;
    s.colourCount = 1;
    s.charSize = 2;
    s.pntAttributeMode = 2;
    s.mapBytes = 0x010203;
    s.paletteBytes = 512;
    s.patternBytes = 0x4000;
    s.width = 264;
    s.height = 240;
    s.compressMode = 1;
    s.outputLevel = 9;
    s.colourMode = 2;
    s.bankStartRows.fill(-1);
    s.bankStartRows[0] = 0;
    s.bankStartRows[1] = 120;
    s.bankSizes[1] = -2;
    s.startAddress = 0x400;
    s.endAddress = 0x2000;
    const auto b = s.toBytes();
    EXPECT_EQ(b[14], 3);
    EXPECT_EQ(b[15], 0xF1);
    EXPECT_EQ(b[20], 3);
    EXPECT_EQ(b[21], 1);
    EXPECT_EQ(b[22], 2);
    EXPECT_EQ(b[23], 2);
    EXPECT_EQ(b[24], 0x03);
    EXPECT_EQ(b[26], 0x01);
    EXPECT_EQ(b[29], 0x02);
    EXPECT_EQ(b[33], 0x40);
    EXPECT_EQ(b[36], 8);
    EXPECT_EQ(b[37], 1);
    EXPECT_EQ(b[44], 1);
    EXPECT_EQ(b[46], 9);
    EXPECT_EQ(b[47], 2);
    EXPECT_EQ(b[52], 120);
    EXPECT_EQ(b[56], 0xFF) << "unused bank rows are -1";
    EXPECT_EQ(b[1074], 0xFE);
    EXPECT_EQ(b[1105], 0x04);
    EXPECT_EQ(b[1107], 0x20);

    const auto back = ConversionSettings::fromBytes(b);
    EXPECT_EQ(back.toBytes(), b);
    EXPECT_EQ(back.bankCount(), 2);
    EXPECT_EQ(back.bankSizes[1], -2);
    EXPECT_EQ(back.cellsAcross(), 16) << "16 x 8 characters across 264 pixels";
}

TEST(ColourStats, CountsDistinctColoursInReadingOrder) {
    auto img = DibImage::createBlank(4, 2);
    img->setPixel(1, 0, 0x0000FF);
    img->setPixel(0, 1, 0x00FF00);
    img->setPixel(3, 1, 0x0000FF);
    const auto colours = colourStats(&*img, 0, 0, 4, 2);
    EXPECT_EQ(colours, (std::vector<Colour>{0xFFFFFF, 0x0000FF, 0x00FF00}));
}

TEST(ColourStats, OutsidePixelsCountAsBlackOnce) {
    auto img = DibImage::createBlank(2, 2);
    const auto colours = colourStats(&*img, 1, 1, 4, 4);
    EXPECT_EQ(colours, (std::vector<Colour>{0xFFFFFF, 0}));
    EXPECT_EQ(colourStats(nullptr, 0, 0, 3, 3), std::vector<Colour>{0});
}

TEST(ColourStats, KeepsTheFirst256Colours) {
    auto img = DibImage::createBlank(300, 1);
    for (int x = 0; x < 300; ++x)
        img->setPixel(x, 0, static_cast<Colour>(x));
    const auto colours = colourStats(&*img, 0, 0, 300, 1);
    ASSERT_EQ(colours.size(), 256u);
    EXPECT_EQ(colours.front(), 0u);
    EXPECT_EQ(colours.back(), 255u);
}

TEST(ChipRules, DisplayNamesAndGeometry) {
    EXPECT_EQ(chip::displayName(chip::colourModeNames, 1), "TFT RGB(4K RGB)");
    EXPECT_EQ(chip::displayName(chip::colourModeNames, 7), "") << "out-of-range values from a file";
    EXPECT_EQ(chip::pgtBytesPerChar(0, 3), 128);
    EXPECT_EQ(chip::pgtBytesPerChar(1, 1), 32);
    EXPECT_EQ(chip::pgtBytesPerName(0, 1), 32);
    EXPECT_EQ(chip::pgtBytesPerName(1, 2), 32);
}
