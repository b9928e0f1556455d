#include "document/CellEntry.h"

#include <gtest/gtest.h>

namespace kadro {
namespace {

TEST(CellEntry, IndexCountsCellsOfTheCharacterSize) {
    ConversionSettings s;
    s.width = 256;
    s.height = 240;
    s.charSize = 1; // 8 x 16
    EXPECT_EQ(cellIndexAt(s, 17, 40), 66);
    EXPECT_EQ(cellIndexAt(s, 256, 0), std::nullopt);
    EXPECT_EQ(cellIndexAt(s, 0, 240), std::nullopt);
}

TEST(CellEntry, NamesComeFirstThenOneAttributeByteEach) {
    ConversionSettings s;
    s.mapBytes = 12; // four cells: 8 name bytes, 4 attribute bytes
    ConversionResults r;
    r.mapData = {0x01, 0x00, 0x34, 0x12, 0, 0, 0, 0, 0xA0, 0xB1, 0xC2, 0xD3};
    const auto entry = readCellEntry(s, r, 1);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->name, 0x1234);
    EXPECT_EQ(entry->attribute, 0xB1);

    ASSERT_TRUE(writeCellEntry(s, r, 3, {0xBEEF, 0x45}));
    EXPECT_EQ(r.mapData[6], 0xEF);
    EXPECT_EQ(r.mapData[7], 0xBE);
    EXPECT_EQ(r.mapData[11], 0x45);
    EXPECT_FALSE(writeCellEntry(s, r, 4, {1, 1}));
}

TEST(CellEntry, DamagedMapDataIsRefused) {
    ConversionSettings s;
    s.mapBytes = 12;
    ConversionResults r;
    r.mapData.assign(10, 0); // shorter than the header says
    EXPECT_TRUE(readCellEntry(s, r, 1));
    EXPECT_FALSE(readCellEntry(s, r, 2));
    EXPECT_FALSE(readCellEntry(s, r, -1));
}

} // namespace
} // namespace kadro
