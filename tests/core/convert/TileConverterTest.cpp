#include "convert/TileConverter.h"

#include "ConvertTestSupport.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"
#include "common/ByteIo.h"

#include <gtest/gtest.h>

using namespace kadro;

namespace {

constexpr Colour bg = 0x000000;
constexpr Colour ink = 0xF0F0F0;

struct Conversion {
    TileConverter converter{test::rgbTables()};
    test::RecordingUserInterface ui;

    bool run(ConversionSettings& s, const DibImage& image, Colour background = bg,
             bool animation = false, const std::string& aniPal = "ani.pal") {
        const ConversionSource source{image, Selection::fromSize(0, 0, s.width, s.height),
                                      background, animation, aniPal};
        return converter.convert(s, source, ui);
    }
    int name(std::size_t cell) const {
        return bytes::readU16(converter.results().mapData, 2 * cell);
    }
    int attribute(std::size_t cell) const {
        const auto& map = converter.results().mapData;
        return map[map.size() / 3 * 2 + cell];
    }
};

DibImage plain(int w, int h, Colour c = bg) {
    return test::paint(w, h, [c](int, int) { return c; });
}

} // namespace

TEST(TileConverter, OneColourAreaSharesOneTileNamedFromTheStartAddress) {
    Conversion c;
    auto s = test::settingsFor(32, 16);
    s.startAddress = 0x400;
    ASSERT_TRUE(c.run(s, plain(32, 16))) << c.ui.messages.at(0);
    for (std::size_t cell = 0; cell < 8; ++cell) {
        EXPECT_EQ(c.name(cell), 32) << "0x400 x 2 / 64";
        EXPECT_EQ(c.attribute(cell), 0);
    }
    EXPECT_EQ(s.mapBytes, 24);
    EXPECT_EQ(s.bankSizes[0], 0x400 + 32);
    EXPECT_EQ(s.bankStartRows[1], -1);
    const auto& pgt = c.converter.results().patternData;
    ASSERT_EQ(pgt.size(), 0x400u + 32);
    EXPECT_EQ(pgt[0], 0xFF) << "leading space is padding";
    EXPECT_EQ(pgt[0x400], 0x00) << "the tile itself is all slot 0";
    EXPECT_EQ(s.paletteUsed, 16) << "the background in every palette";
    EXPECT_EQ(s.paletteFirst, 0);
    EXPECT_EQ(c.ui.openProgress, 0);
    EXPECT_EQ(c.ui.progressSteps, 4) << "two rows, two passes";
    EXPECT_EQ(c.ui.progressTexts.at(0), convertingText);
}

TEST(TileConverter, TallCharactersAdvanceNamesByTwo) {
    Conversion c;
    auto s = test::settingsFor(32, 16, /*8*16*/ 1, /*no compress*/ 1);
    ASSERT_TRUE(c.run(s, plain(32, 16)));
    for (std::size_t cell = 0; cell < 4; ++cell)
        EXPECT_EQ(c.name(cell), 2 * static_cast<int>(cell));
    EXPECT_EQ(s.bankSizes[0], 4 * 64);
}

TEST(TileConverter, BanksBreakOnlyWhenTheLimitIsPassed) {
    {
        Conversion c;
        auto s = test::settingsFor(256, 64, 0, 1);
        ASSERT_TRUE(c.run(s, plain(256, 64)));
        EXPECT_EQ(s.bankStartRows[1], -1) << "256 tiles fill the bank exactly";
        EXPECT_EQ(c.name(255), 255);
        EXPECT_EQ(s.patternBytes, 8192);
    }
    {
        Conversion c;
        auto s = test::settingsFor(256, 48, 0, 1);
        s.endAddress = 0x1000;
        ASSERT_TRUE(c.run(s, plain(256, 48)));
        EXPECT_EQ(s.bankStartRows[1], 32) << "rows 0-3 hold 128 tiles, row 4 starts bank 1";
        EXPECT_EQ(s.bankStartRows[2], -1);
        EXPECT_EQ(c.name(127), 127);
        EXPECT_EQ(c.name(128), 0);
        EXPECT_EQ(s.bankSizes[0], 4096);
        EXPECT_EQ(s.bankSizes[1], 2048);
        EXPECT_EQ(s.patternBytes, 8192 + 2048) << "bank 0 is padded to a full bank";
    }
    {
        Conversion c;
        auto s = test::settingsFor(256, 64, 0, 1);
        s.startAddress = 0x400;
        ASSERT_TRUE(c.run(s, plain(256, 64)));
        EXPECT_EQ(c.name(0), 32);
        EXPECT_EQ(s.bankStartRows[1], 56) << "224 tiles after the leading space";
        EXPECT_EQ(c.name(7 * 32), 0);
    }
}

TEST(TileConverter, DeduplicatesWithinABankAndIgnoresPalettes) {
    // Block 0 takes 15 colours besides the background, so block 1's colour goes to palette 1.
    // Cell (0,0) and cell (16,0) draw the same shape in slot 1 of their palettes.
    const Colour x = 0x123456;
    auto image = test::paint(48, 16, [&](int px, int py) -> Colour {
        if (px < 16 && py >= 8)
            return static_cast<Colour>(0x100 * (2 + px % 14)); // slots 2-15 of palette 0
        const bool shape = px % 8 < 4 && py < 8;
        if (px < 8)
            return shape ? Colour{0x100} : bg;
        if (px >= 16 && px < 24)
            return shape ? x : bg;
        if (px >= 32 && px < 40)
            return shape ? Colour{0x100} : bg; // the first tile again
        return bg;
    });
    Conversion c;
    auto s = test::settingsFor(48, 16);
    ASSERT_TRUE(c.run(s, image)) << c.ui.messages.at(0);
    EXPECT_EQ(c.name(2), c.name(0)) << "same shape, other palette";
    EXPECT_EQ(c.attribute(0), 0);
    EXPECT_EQ(c.attribute(2), 1);
    EXPECT_EQ(c.name(4), c.name(0));
    EXPECT_EQ(c.name(1), c.name(3)) << "two background tiles";
    EXPECT_NE(c.name(1), c.name(0));

    Conversion uncompressed;
    auto u = test::settingsFor(48, 16, 0, 1);
    ASSERT_TRUE(uncompressed.run(u, image));
    for (std::size_t cell = 0; cell < 12; ++cell)
        EXPECT_EQ(uncompressed.name(cell), static_cast<int>(cell));
}

TEST(TileConverter, MixedBlockJoinsTheFirstPaletteWithRoom) {
    auto image = test::paint(48, 16, [](int x, int y) -> Colour {
        const int i = (y * 16 + x % 16) % 11; // 0 = background, 1-10 the block's own colours
        if (i == 0)
            return bg;
        if (x < 16)
            return static_cast<Colour>(0x10 * i);
        if (x < 32)
            return static_cast<Colour>(0x1000 * i);
        if (i > 6)
            return bg;
        return i <= 3 ? static_cast<Colour>(0x10 * i) : static_cast<Colour>(0x1000 * (i - 3));
    });
    Conversion c;
    auto s = test::settingsFor(48, 16);
    ASSERT_TRUE(c.run(s, image)) << c.ui.messages.at(0);
    const auto& table = c.converter.paletteTable();
    EXPECT_EQ(table[16].colour, bg);
    EXPECT_EQ(table[17].colour, 0x1000u) << "block 1 opens palette 1";
    EXPECT_EQ(table[11].colour, 0x1000u) << "the missing colours fill palette 0's free slots";
    EXPECT_EQ(table[13].colour, 0x3000u);
    EXPECT_EQ(table[14].used, 0u);
    EXPECT_EQ(c.attribute(0), 0);
    EXPECT_EQ(c.attribute(2), 1);
    EXPECT_EQ(c.attribute(4), 0);
}

TEST(TileConverter, ColourLimitsStopTheConversionAndKeepResults) {
    Conversion c;
    auto s = test::settingsFor(32, 16);
    ASSERT_TRUE(c.run(s, plain(32, 16)));
    const auto before = c.converter.results().mapData;
    const auto settingsBefore = s.toBytes();

    // Block 0: background and ink; block 1: 17 colours.
    auto image = test::paint(32, 16, [](int x, int y) -> Colour {
        if (x < 16)
            return x == 3 ? ink : bg;
        return static_cast<Colour>(((y * 16 + x) % 17) * 0x10101);
    });
    EXPECT_FALSE(c.run(s, image));
    ASSERT_EQ(c.ui.messages.size(), 1u);
    EXPECT_EQ(c.ui.messages[0], "(16,0,24,8)内颜色超过16种,转换终止!");
    EXPECT_EQ(c.converter.paletteTable()[1].colour, ink) << "block 0 was fitted before";
    EXPECT_EQ(c.converter.results().mapData, before);
    EXPECT_EQ(s.toBytes(), settingsBefore);

    s.colourCount = 1;
    auto five = test::paint(32, 16, [](int x, int) { return static_cast<Colour>(x % 5 * 0x20); });
    EXPECT_FALSE(c.run(s, five));
    EXPECT_EQ(c.ui.messages.at(1), "(0,0,8,8)内颜色超过4种,转换终止!");
    // Called on its own, the cutting step checks each cell's block again.
    const ConversionSource source{five, Selection::fromSize(0, 0, 32, 16)};
    EXPECT_FALSE(c.converter.convertTiles(s, source, c.ui));
    EXPECT_EQ(c.ui.messages.at(2), "(0,0,8,8)范围内颜色超过4种,转换终止!");
    EXPECT_EQ(c.ui.openProgress, 0);
    EXPECT_EQ(c.converter.results().mapData, before);
}

TEST(TileConverter, PaletteStepCanEditOrCancel) {
    auto image = test::paint(32, 16, [](int x, int) { return x >= 8 && x < 10 ? ink : bg; });
    Conversion c;
    auto s = test::settingsFor(32, 16);
    c.ui.acceptPalettes = false;
    EXPECT_FALSE(c.run(s, image));
    EXPECT_TRUE(c.ui.messages.empty()) << "Cancel is silent";
    EXPECT_TRUE(c.converter.results().mapData.empty());

    c.ui.acceptPalettes = true;
    c.ui.editPalettes = [](PaletteTable& t) { t[1].used = 0; };
    EXPECT_FALSE(c.run(s, image));
    EXPECT_EQ(c.ui.messages.at(0), "没有可用的调色板匹配(0,0,8,8),转换终止!");
    EXPECT_EQ(c.ui.openProgress, 0);
}

TEST(TileConverter, AnimationModeTakesItsPalettesFromTheFile) {
    test::TempDir dir;
    PaletteTable stored{};
    stored[5 * 16] = {bg, 1};
    ASSERT_TRUE(writePaletteFile(dir.file("ani.pal"), stored, nullptr));
    Conversion c;
    c.ui.acceptPalettes = false; // nobody is asked in animation mode
    auto s = test::settingsFor(16, 16);
    ASSERT_TRUE(c.run(s, plain(16, 16), bg, true, dir.file("ani.pal")));
    EXPECT_EQ(c.attribute(0), 5);
    EXPECT_EQ(c.converter.paletteTable()[0].used, 0u) << "the whole table is replaced";

    ASSERT_TRUE(c.run(s, plain(16, 16), bg, true, dir.file("missing.pal")));
    EXPECT_EQ(c.attribute(0), 0) << "the fitted palettes";
}

TEST(TileConverter, RefusesWhatCannotBePlaced) {
    auto refuses = [](ConversionSettings s, const DibImage& image, const std::string& says) {
        Conversion c;
        EXPECT_FALSE(c.run(s, image));
        ASSERT_EQ(c.ui.messages.size(), 1u);
        EXPECT_NE(c.ui.messages[0].find(says), std::string::npos) << c.ui.messages[0];
        EXPECT_EQ(c.ui.openProgress, 0);
    };
    auto s = test::settingsFor(128, 8, 0, 1);
    s.endAddress = 0x100; // 8 tiles a bank, 16 in the row
    refuses(s, plain(128, 8), "rows 0-8 need more than one pattern bank");

    // One row of 8 tiles fills each bank: 16 rows fit, 17 do not.
    s = test::settingsFor(64, 128, 0, 1);
    s.endAddress = 0x100;
    Conversion sixteen;
    ASSERT_TRUE(sixteen.run(s, plain(64, 128)));
    EXPECT_EQ(s.bankStartRows[15], 120);
    EXPECT_EQ(s.bankSizes[15], 256);
    s.height = 136;
    refuses(s, plain(64, 136), "more than 16 pattern banks");

    s = test::settingsFor(16, 16);
    s.endAddress = 0x2001;
    refuses(s, plain(16, 16), "above 0x2000");
    s.endAddress = 0x400;
    s.startAddress = 0x400;
    refuses(s, plain(16, 16), "not above start address");
    s.startAddress = 0x10;
    refuses(s, plain(16, 16), "not a multiple of 0x20");
    s = test::settingsFor(24, 16, 3);
    refuses(s, plain(24, 16), "当前区域与块大小不匹配!");
    s = test::settingsFor(32, 16);
    refuses(s, plain(16, 16), "reaches outside");
}

TEST(TileConverter, BlocksAreLaidFromTheAreaCorner) {
    // An area starting at x = 8: its first block covers picture columns 8-23, and the colour at
    // column 24 belongs to the next block, not to the first.
    auto image = test::paint(40, 16, [](int x, int) -> Colour {
        if (x < 8)
            return 0x777777; // outside the area
        return x >= 24 ? ink : bg;
    });
    Conversion c;
    auto s = test::settingsFor(32, 16);
    const ConversionSource source{image, Selection::fromSize(8, 0, 32, 16), bg};
    ASSERT_TRUE(c.converter.convert(s, source, c.ui)) << c.ui.messages.at(0);
    EXPECT_EQ(c.converter.paletteTable()[1].colour, ink);
    EXPECT_EQ(c.converter.paletteTable()[2].used, 0u) << "the outside colour is not taken in";
    EXPECT_EQ(c.name(0), c.name(1));
    EXPECT_NE(c.name(2), c.name(0));
}
