// The ROM template's viewer program, run in the emulator on pictures packed by the
// test-side packer: the screen must match the picture pixel for pixel.
#include "Emulator.h"
#include "TempDir.h"
#include "TestRom.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace kadro::test::rom {
namespace {

const std::string templatePath = std::string(KADRO_BIN_DIR) + "/Rom.b00";
const std::string colourTablePath = std::string(KADRO_BIN_DIR) + "/Hsl2rgb.tab";

std::vector<std::uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string hex(Colour c) {
    char text[16];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(c));
    return text;
}

// Runs the ROM and expects the screen to show the picture in the BMP file from
// (viewX, viewY) on. Usable for any ROM, e.g. one from `kadro-cli rom` with the
// picture from `kadro-cli render`.
void expectEmulatorShows(const std::string& romPath, const std::string& expectedBmp, int viewX = 0,
                         int viewY = 0, const std::vector<ButtonHold>& buttons = {}, double seconds = 2) {
    const auto picture = readBmp(expectedBmp);
    ASSERT_TRUE(picture) << "cannot read " << expectedBmp;
    const EmulatorRun run = runRom(romPath, seconds, buttons);
    ASSERT_TRUE(run.screen) << run.error;
    ASSERT_EQ(run.screen->width(), 256);
    ASSERT_EQ(run.screen->height(), 240);
    const ScreenDifference diff = compareScreen(*run.screen, *picture, viewX, viewY);
    EXPECT_EQ(diff.pixels, 0) << "first at screen (" << diff.x << ", " << diff.y << "): shown " << hex(diff.shown)
                              << ", expected " << hex(diff.expected) << " (0xBBGGRR)";
}

class RomViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (findMame().empty())
            GTEST_SKIP() << "mame is not installed (apt-get install mame): the ROM viewer cannot be run";
        romTemplate_ = readFile(templatePath);
        ASSERT_EQ(romTemplate_.size(), romBytes) << templatePath;
    }

    void expectShown(const TilePicture& picture, int viewX = 0, int viewY = 0,
                     const std::vector<ButtonHold>& buttons = {}, double seconds = 2) {
        writeFile(dir_.file("test.rom"), packRom(romTemplate_, picture));
        ASSERT_TRUE(renderPicture(picture, colourTablePath).writeBmp(dir_.file("expected.bmp")));
        expectEmulatorShows(dir_.file("test.rom"), dir_.file("expected.bmp"), viewX, viewY, buttons, seconds);
    }

    std::vector<std::uint8_t> romTemplate_;
    TempDir dir_;
};

TEST_F(RomViewerTest, ShowsSixteenColoursWithTheNewPalette) {
    expectShown(randomPicture(32, 30, true, true, {30}, 1));
}

TEST_F(RomViewerTest, ShowsFourColoursWithTheOldPalette) {
    // Two 4 KB banks: the 4-colour bank stride differs from the 16-colour one.
    expectShown(randomPicture(32, 30, false, false, {15, 15}, 2));
}

TEST_F(RomViewerTest, SwitchesPatternBanksMidScreen) {
    // 16 colours also work with the old palette: planes 2 and 3 pick the palette quarter.
    expectShown(randomPicture(32, 30, true, false, {9, 8, 7, 6}, 3));
}

TEST_F(RomViewerTest, SwitchesBanksBelowTheLastTimerLine) {
    // Banks starting on rows 224 and 232: the emulated timer stops counting at line 223.
    expectShown(randomPicture(32, 30, true, true, {7, 7, 7, 7, 1, 1}, 4));
}

TEST_F(RomViewerTest, ScrollsWithTheJoypad) {
    // A step right or left is 8 pixels, up or down 16; each direction brings in other
    // name table cells. The view ends inside bank 0.
    expectShown(randomPicture(40, 36, true, true, {7, 6, 7, 6, 5, 5}, 5), 16, 16,
                {{"P1 Right", 60, 63},
                 {"P1 Right", 70, 73},
                 {"P1 Right", 80, 83},
                 {"P1 Down", 90, 93},
                 {"P1 Down", 100, 103},
                 {"P1 Left", 110, 113},
                 {"P1 Up", 120, 123}},
                3);
}

TEST_F(RomViewerTest, ScrollStopsAtThePictureEdges) {
    // Held buttons repeat; the view must end on the bottom-right corner, not past it.
    // 72 tiles wide: the columns wrap around both name tables.
    expectShown(randomPicture(72, 36, true, true, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}, 6), 320, 48,
                {{"P1 Right", 30, 330}, {"P1 Down", 30, 330}}, 6);
}

TEST(RomTemplateTest, LeavesEverythingButTheProgramBlank) {
    const auto rom = readFile(templatePath);
    ASSERT_EQ(rom.size(), romBytes);
    // Picture areas, palette and parameter block are the ROM builder's.
    for (std::size_t i = 0; i < 0x7E200; ++i)
        ASSERT_EQ(rom[i], 0xFF) << "byte " << i;
    const unsigned reset = rom[0x7FFFC] | rom[0x7FFFD] << 8;
    EXPECT_GE(reset, 0xE200u);
    EXPECT_LT(reset, 0xFFFAu);
    EXPECT_NE(rom[reset - 0xE000 + 0x7E000], 0xFF) << "no code at the reset vector";
}

} // namespace
} // namespace kadro::test::rom
