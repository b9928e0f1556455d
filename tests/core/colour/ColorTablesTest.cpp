#include "RecordingUserInterface.h"
#include "TableFiles.h"
#include "TempDir.h"

#include "colour/ColorTables.h"
#include "common/ChipRules.h"

#include <gtest/gtest.h>

using namespace kadro;
using test::RecordingUserInterface;
using test::TempDir;

namespace {

std::array<Colour, nesPaletteEntries> greyPalette() {
    std::array<Colour, nesPaletteEntries> p{};
    for (std::size_t i = 0; i < p.size(); ++i)
        p[i] =
            makeColour(static_cast<int>(i * 4), static_cast<int>(i * 4), static_cast<int>(i * 4));
    return p;
}

ColorTables rgbOnly() {
    return ColorTables::fromData(test::emptyHslTable(), greyPalette());
}

} // namespace

TEST(ColorTablesLoad, ReadsBothTablesFromTheProgramFolder) {
    RecordingUserInterface ui;
    const auto tables = ColorTables::load(KADRO_BIN_DIR, ui);
    ASSERT_TRUE(tables);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(tables->fromVt03Code(0x2201, chip::HslMode), 0x00FF7315u);
    EXPECT_EQ(tables->fromVt03Code(0x20, chip::NesMode), 0x00FFFFFFu);
    // A colour of the table comes back as its lowest code.
    for (auto [code, colour] : {std::pair{0x2201, 0x00FF7315u}, std::pair{0x0330, 0x00FFFFFFu}}) {
        const std::uint16_t found = tables->toVt03Code(colour, chip::HslMode);
        EXPECT_EQ(tables->fromVt03Code(found, chip::HslMode), colour);
        EXPECT_LE(found, code);
    }
}

TEST(ColorTablesLoad, MissingOrShortTablesAreRefusedWithTheirMessage) {
    struct Case {
        const char* what;
        std::size_t hslEntries; // 0 = no file
        std::size_t nesEntries;
        const char* message;
    };
    const Case cases[] = {
        {"no files", 0, 0, hslTableErrorMessage},
        {"no old palette", hslTableEntries, 0, nesPaletteErrorMessage},
        {"HSL table one entry short", hslTableEntries - 1, 64, hslTableErrorMessage},
        {"old palette one record short", hslTableEntries, 63, nesPaletteErrorMessage},
    };
    for (const Case& c : cases) {
        TempDir dir;
        if (c.hslEntries)
            test::writeHslTable(dir.path().string(), std::vector<Colour>(c.hslEntries, 0));
        if (c.nesEntries)
            test::writeNesPalette(dir.path().string(), std::vector<Colour>(c.nesEntries, 0),
                                  nesPaletteFileName, 0);
        RecordingUserInterface ui;
        EXPECT_FALSE(ColorTables::load(dir.path().string(), ui)) << c.what;
        EXPECT_EQ(ui.messages, std::vector<std::string>{c.message}) << c.what;
    }
}

TEST(ColorTablesLoad, FileNamesMatchWithoutRegardToCase) {
    TempDir dir;
    std::vector<Colour> hsl = test::emptyHslTable();
    hsl[0x123] = 0x00345678;
    test::writeHslTable(dir.path().string(), hsl, "HSL2RGB.TAB");
    test::writeNesPalette(dir.path().string(), greyPalette(), "6576(OK).ACT");
    RecordingUserInterface ui;
    const auto tables = ColorTables::load(dir.path().string(), ui);
    ASSERT_TRUE(tables) << (ui.messages.empty() ? "" : ui.messages[0]);
    EXPECT_EQ(tables->fromVt03Code(0x123, chip::HslMode), 0x00345678u);
    EXPECT_EQ(tables->toVt03Code(0x00335577, chip::HslMode), 0x123);
    EXPECT_EQ(tables->fromVt03Code(63, chip::NesMode), 0x00FCFCFCu);
}

TEST(ColorTablesHsl, NearestColourSkipsNoColourEntriesAndKeepsTheLowestCode) {
    std::vector<Colour> hsl = test::emptyHslTable();
    hsl[0] = 0xFF00FF00; // no colour, though its low bytes are pure green
    hsl[5] = 0x00808080;
    hsl[9] = 0x0000F000;
    hsl[40] = 0x0000F000; // same colour, later code
    hsl[41] = 0x00000000;
    const auto tables = ColorTables::fromData(hsl, greyPalette());
    EXPECT_EQ(tables.toVt03Code(0x0000FF00, chip::HslMode), 9);
    EXPECT_EQ(tables.toVt03Code(0x00707070, chip::HslMode), 5);
    EXPECT_EQ(tables.toVt03Code(0x00000000, chip::HslMode), 41);
    // Equally far from grey 0x80 and black: the earlier code.
    EXPECT_EQ(tables.toVt03Code(0x00404040, chip::HslMode), 5);
    // With no colour at all there is nothing nearer than code 0.
    EXPECT_EQ(rgbOnly().toVt03Code(0x00123456, chip::HslMode), 0);
}

TEST(ColorTablesRgb, CodesOfTheEdgeColours) {
    const auto t = rgbOnly();
    EXPECT_EQ(t.toVt03Code(0x000000FF, chip::RgbMode), 13);
    EXPECT_EQ(t.toVt03Code(0x00FF0000, chip::RgbMode), 0x3C00);
    EXPECT_EQ(t.toVt03Code(0x0000FF00, chip::RgbMode), 0x0330);
    EXPECT_EQ(t.toVt03Code(0x00FFFFFF, chip::RgbMode), 0x3F3D);
    EXPECT_EQ(t.fromVt03Code(0x3F3D, chip::RgbMode), 0x00F0F0F0u);
    // Two nibbles share level 4, which reads back as 64; levels 14 and 15 show no red.
    EXPECT_EQ(t.toVt03Code(0x50, chip::RgbMode), 4);
    EXPECT_EQ(t.toVt03Code(0x40, chip::RgbMode), 4);
    EXPECT_EQ(t.fromVt03Code(4, chip::RgbMode), 64u);
    EXPECT_EQ(t.fromVt03Code(14, chip::RgbMode), 0u);
    EXPECT_EQ(t.fromVt03Code(0x3F0F, chip::RgbMode), 0x00F0C000u);
}

TEST(ColorTablesRgb, EveryCodeOfARealLevelSurvivesTheRoundTrip) {
    const auto t = rgbOnly();
    int checked = 0;
    for (unsigned code = 0; code < 0x10000; ++code) {
        if ((code & 0xC0C0) != 0 || (code & 0xF) > 13)
            continue;
        const Colour c = t.fromVt03Code(static_cast<std::uint16_t>(code), chip::RgbMode);
        ASSERT_EQ(t.toVt03Code(c, chip::RgbMode), code) << std::hex << code << " " << c;
        ++checked;
    }
    EXPECT_EQ(checked, 14 * 256);
}

TEST(ColorTablesNes, NearestEntryWithTheLowerIndexOnTies) {
    std::array<Colour, nesPaletteEntries> p{};
    p.fill(0x00FFFFFF);
    p[3] = makeColour(100, 0, 0);
    p[7] = makeColour(0, 100, 0);
    p[12] = makeColour(100, 0, 0);
    const auto t = ColorTables::fromData(test::emptyHslTable(), p);
    EXPECT_EQ(t.toVt03Code(makeColour(50, 50, 0), chip::NesMode), 3);
    EXPECT_EQ(t.toVt03Code(makeColour(90, 0, 0), chip::NesMode), 3);
    EXPECT_EQ(t.toVt03Code(makeColour(0, 90, 0), chip::NesMode), 7);
    EXPECT_EQ(t.toVt03Code(0x00FFFFFF, chip::NesMode), 0);
    EXPECT_EQ(t.fromVt03Code(7, chip::NesMode), makeColour(0, 100, 0));
    // A code from a damaged document stays inside the table.
    EXPECT_EQ(t.fromVt03Code(64 + 7, chip::NesMode), makeColour(0, 100, 0));
}

TEST(ColorTables, TwelveBitColours) {
    EXPECT_EQ(ColorTables::fromTwelveBit(0xABC), 0x00A0B0C0u);
    EXPECT_EQ(ColorTables::fromTwelveBit(0xF00F), 0x000000F0u); // bits above 11 play no part
}

TEST(ColorTables, CountsDistinctCodes) {
    const auto t = rgbOnly();
    const std::vector<Colour> sameCode{0x00000040, 0x00000050, 0x0000004F, 0x0F0F0F5A};
    EXPECT_EQ(t.countVt03Colours(sameCode, chip::RgbMode), 1);
    const std::vector<Colour> three{0x00000040, 0x000000FF, 0x00000050, 0x00FF0000, 0x000000F0};
    EXPECT_EQ(t.countVt03Colours(three, chip::RgbMode), 3);
    EXPECT_EQ(t.countVt03Colours({}, chip::RgbMode), 0);
    // Near greys share the nearest grey of the old palette.
    const std::vector<Colour> greys{0x00000000, 0x00010101, 0x007F7F7F, 0x00808080};
    EXPECT_EQ(t.countVt03Colours(greys, chip::NesMode), 2);
}
