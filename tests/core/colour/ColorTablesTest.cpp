#include "RecordingUserInterface.h"
#include "TableFiles.h"
#include "TempDir.h"

#include "colour/ColorTables.h"
#include "common/ChipRules.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

using namespace kadro;
using namespace kadro::chip;
using test::RecordingUserInterface;
using test::TempDir;

namespace {
std::array<Colour, nesPaletteEntries> greyPalette() {
    std::array<Colour, nesPaletteEntries> p{};
    for (int i = 0; i < 64; ++i)
        p[static_cast<std::size_t>(i)] = makeColour(i * 4, i * 4, i * 4);
    return p;
}

const ColorTables greyOnly = ColorTables::fromData(test::emptyHslTable(), greyPalette());
} // namespace

// Both ways of reading the table files: copied into memory, and mapped as kadro-cli does.
class ColorTablesLoad : public testing::TestWithParam<bool> {
protected:
    void SetUp() override { ColorTables::mapTableFiles(GetParam()); }
    void TearDown() override { ColorTables::mapTableFiles(false); }
};
INSTANTIATE_TEST_SUITE_P(CopiedAndMapped, ColorTablesLoad, testing::Bool());

TEST_P(ColorTablesLoad, FindsTheTablesWhateverTheCaseOfTheirNames) {
    TempDir dir;
    std::vector<Colour> hsl = test::emptyHslTable();
    hsl[0x123] = 0x00345678;
    test::writeHslTable(dir.path().string(), hsl, "HSL2RGB.TAB");
    test::writeNesPalette(dir.path().string(), greyPalette(), "6576(OK).ACT");
    RecordingUserInterface ui;
    const auto tables = ColorTables::load(dir.path().string(), ui);
    ASSERT_TRUE(tables) << (ui.messages.empty() ? "" : ui.messages[0]);
    EXPECT_EQ(tables->toVt03Code(0x00335577, ColourMode::Hsl), 0x123);
    EXPECT_EQ(tables->fromVt03Code(63, ColourMode::Nes), 0x00FCFCFCu);
}

// The first 65536 entries of a longer file are the table; a copy of the tables keeps them
// after the tables it was made from are gone.
TEST_P(ColorTablesLoad, LongerFilesGiveTheirFirstEntriesToEveryCopy) {
    TempDir dir;
    std::vector<Colour> hsl(hslTableEntries + 100, 0x00010203);
    hsl[0] = 0x00AABBCC;
    hsl[hslTableEntries - 1] = 0x00F0F0F0;
    hsl[hslTableEntries] = 0x00FFFFFF;
    test::writeHslTable(dir.path().string(), hsl);
    test::writeNesPalette(dir.path().string(), greyPalette());
    RecordingUserInterface ui;
    auto loaded = std::make_unique<std::optional<ColorTables>>(
        ColorTables::load(dir.path().string(), ui));
    ASSERT_TRUE(*loaded);
    const ColorTables copy = **loaded;
    loaded.reset();
    ASSERT_EQ(copy.hslTable().size(), hslTableEntries);
    EXPECT_EQ(copy.fromVt03Code(0, ColourMode::Hsl), 0x00AABBCCu);
    EXPECT_EQ(copy.fromVt03Code(0xFFFF, ColourMode::Hsl), 0x00F0F0F0u);
    EXPECT_EQ(copy.toVt03Code(0x00FFFFFF, ColourMode::Hsl), 0xFFFF);
}

TEST_P(ColorTablesLoad, MissingOrShortTablesAreRefusedWithTheirMessage) {
    struct Case {
        std::size_t hslEntries, nesEntries; // 0 = no file
        const char* message;
    };
    for (const Case& c :
         {Case{0, 0, hslTableErrorMessage}, Case{65536, 0, nesPaletteErrorMessage},
          Case{65535, 64, hslTableErrorMessage}, Case{65536, 63, nesPaletteErrorMessage}}) {
        TempDir dir;
        if (c.hslEntries)
            test::writeHslTable(dir.path().string(), std::vector<Colour>(c.hslEntries, 0));
        if (c.nesEntries)
            test::writeNesPalette(dir.path().string(), std::vector<Colour>(c.nesEntries, 0),
                                  nesPaletteFileName, 0);
        RecordingUserInterface ui;
        EXPECT_FALSE(ColorTables::load(dir.path().string(), ui)) << c.hslEntries << c.nesEntries;
        EXPECT_EQ(ui.messages, std::vector<std::string>{c.message});
    }
}

TEST(ColorTablesHsl, NearestColourSkipsNoColourEntriesAndKeepsTheLowestCode) {
    std::vector<Colour> hsl = test::emptyHslTable();
    hsl[0] = 0xFF00FF00; // no colour, though its low bytes are pure green
    hsl[5] = 0x00808080;
    hsl[9] = hsl[40] = 0x0000F000;
    hsl[41] = 0x00000000;
    const auto t = ColorTables::fromData(hsl, greyPalette());
    EXPECT_EQ(t.toVt03Code(0x0000FF00, ColourMode::Hsl), 9);
    EXPECT_EQ(t.toVt03Code(0x00000000, ColourMode::Hsl), 41);
    EXPECT_EQ(t.toVt03Code(0x00404040, ColourMode::Hsl), 5); // as far from 0x80 as from black
    EXPECT_EQ(t.fromVt03Code(0xFFFF, ColourMode::Hsl), 0xFFFFFFFFu);
    EXPECT_EQ(greyOnly.toVt03Code(0x00123456, ColourMode::Hsl), 0); // no colour at all
}

TEST(ColorTablesRgb, EdgeColoursAndRedLevels) {
    const ColorTables& t = greyOnly;
    EXPECT_EQ(t.toVt03Code(0x000000FF, ColourMode::Rgb), 13);
    EXPECT_EQ(t.toVt03Code(0x00FF0000, ColourMode::Rgb), 0x3C00);
    EXPECT_EQ(t.toVt03Code(0x0000FF00, ColourMode::Rgb), 0x0330);
    EXPECT_EQ(t.toVt03Code(0x00FFFFFF, ColourMode::Rgb), 0x3F3D);
    EXPECT_EQ(t.fromVt03Code(0x3F3D, ColourMode::Rgb), 0x00F0F0F0u);
    EXPECT_EQ(t.toVt03Code(0x50, ColourMode::Rgb), 4);
    EXPECT_EQ(t.toVt03Code(0x40, ColourMode::Rgb), 4);
    EXPECT_EQ(t.fromVt03Code(4, ColourMode::Rgb), 64u);
    EXPECT_EQ(t.fromVt03Code(14, ColourMode::Rgb), 0u);
    EXPECT_EQ(t.fromVt03Code(0x3F0F, ColourMode::Rgb), 0x00F0C000u);
    // Every code of the 14 real levels reads back to itself.
    for (unsigned code = 0; code < 0x10000; ++code) {
        if ((code & 0xC0C0) != 0 || (code & 0xF) > 13)
            continue;
        const Colour c = t.fromVt03Code(static_cast<std::uint16_t>(code), ColourMode::Rgb);
        ASSERT_EQ(t.toVt03Code(c, ColourMode::Rgb), code) << std::hex << code;
    }
}

TEST(ColorTablesNes, NearestEntryWithTheLowerIndexOnTies) {
    std::array<Colour, nesPaletteEntries> p{};
    p.fill(0x00FFFFFF);
    p[3] = p[12] = makeColour(100, 0, 0);
    p[7] = makeColour(0, 100, 0);
    const auto t = ColorTables::fromData(test::emptyHslTable(), p);
    EXPECT_EQ(t.toVt03Code(makeColour(50, 50, 0), ColourMode::Nes), 3);
    EXPECT_EQ(t.toVt03Code(makeColour(0, 90, 0), ColourMode::Nes), 7);
    EXPECT_EQ(t.toVt03Code(0x00FFFFFF, ColourMode::Nes), 0);
    // A code from a damaged document stays inside the table.
    EXPECT_EQ(t.fromVt03Code(64 + 7, ColourMode::Nes), makeColour(0, 100, 0));
}

TEST(ColorTables, TwelveBitColoursAndCodeCounts) {
    EXPECT_EQ(ColorTables::fromTwelveBit(0xABC), 0x00A0B0C0u);
    EXPECT_EQ(ColorTables::fromTwelveBit(0xF00F), 0x000000F0u);
    const std::vector<Colour> sameCode{0x00000040, 0x00000050, 0x0000004F, 0x0F0F0F5A};
    EXPECT_EQ(greyOnly.countVt03Colours(sameCode, ColourMode::Rgb), 1);
    const std::vector<Colour> greys{0x00000000, 0x00010101, 0x007F7F7F, 0x00808080, 0x00FFFFFF};
    EXPECT_EQ(greyOnly.countVt03Colours(greys, ColourMode::Nes), 3);
}
