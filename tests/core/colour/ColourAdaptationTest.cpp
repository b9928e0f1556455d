#include "RecordingUserInterface.h"
#include "TableFiles.h"
#include "TempDir.h"

#include "colour/ColourAdaptation.h"

#include <gtest/gtest.h>

using namespace kadro;
using test::RecordingUserInterface;
using test::TempDir;

namespace {

DibImage rowOf(const std::vector<Colour>& colours) {
    auto image = DibImage::createBlank(static_cast<int>(colours.size()), 1);
    for (std::size_t x = 0; x < colours.size(); ++x)
        image->setPixel(static_cast<int>(x), 0, colours[x]);
    return std::move(*image);
}

std::vector<Colour> pixelsOf(const DibImage& image) {
    std::vector<Colour> pixels(static_cast<std::size_t>(image.width()));
    for (int x = 0; x < image.width(); ++x)
        image.getPixel(x, 0, pixels[static_cast<std::size_t>(x)]);
    return pixels;
}

} // namespace

TEST(AdaptRgb4k, KeepsTheTopNibbleOfEachComponent) {
    auto image = rowOf({0x000F1F2F, 0x00ABCDEF, 0x000F1F2F});
    RecordingUserInterface ui;
    ASSERT_TRUE(adaptRgb4k(image, ui));
    EXPECT_EQ(pixelsOf(image), (std::vector<Colour>{0x00001020, 0x00A0C0E0, 0x00001020}));
}

TEST(AdaptHsl4k, CodeZeroNeverTakesPart) {
    TempDir dir;
    std::vector<Colour> hsl = test::emptyHslTable();
    hsl[0] = 0x00000000; // an exact match for black, but not a candidate
    hsl[1] = 0xFFFFFFFF; // the first best whatever its value: its low bytes are white
    hsl[70] = hsl[90] = 0x00202020;
    hsl[91] = 0x00E0E0E0;
    test::writeHslTable(dir.path().string(), hsl);
    auto image = rowOf({0x00000000, 0x00E8E8E8, 0x00FFFFFF, 0x00808080});
    RecordingUserInterface ui;
    ASSERT_TRUE(adaptHsl4k(image, dir.path().string(), ui));
    // Grey 0x80 lies as far from 0x20 as from 0xE0 and takes the earlier code.
    EXPECT_EQ(pixelsOf(image),
              (std::vector<Colour>{0x00202020, 0x00E0E0E0, 0x00FFFFFF, 0x00202020}));
}

TEST(Adapt64, NearestOfTheOldPaletteLowerEntryOnTies) {
    TempDir dir;
    std::vector<Colour> palette(64, 0x00FFFFFF);
    palette[3] = makeColour(100, 0, 0);
    palette[7] = makeColour(0, 100, 0);
    test::writeNesPalette(dir.path().string(), palette, "6576(OK).ACT");
    auto image = rowOf({makeColour(50, 50, 0), makeColour(10, 60, 0), 0x00EEEEEE});
    RecordingUserInterface ui;
    ASSERT_TRUE(adapt64(image, dir.path().string(), ui));
    EXPECT_EQ(pixelsOf(image),
              (std::vector<Colour>{makeColour(100, 0, 0), makeColour(0, 100, 0), 0x00FFFFFF}));
}

TEST(Adaptation, AMissingOrShortTableChangesNoPixel) {
    TempDir empty, shortFiles;
    test::writeHslTable(shortFiles.path().string(), std::vector<Colour>(1000, 0));
    test::writeNesPalette(shortFiles.path().string(), std::vector<Colour>(10, 0),
                          nesPaletteFileName, 0);
    for (const TempDir* dir : {&empty, &shortFiles}) {
        auto image = rowOf({0x00123456, 0x00FEDCBA});
        RecordingUserInterface ui;
        EXPECT_FALSE(adaptHsl4k(image, dir->path().string(), ui));
        EXPECT_FALSE(adapt64(image, dir->path().string(), ui));
        EXPECT_EQ(ui.messages,
                  (std::vector<std::string>{hslTableErrorMessage, nesPaletteErrorMessage}));
        EXPECT_EQ(pixelsOf(image), (std::vector<Colour>{0x00123456, 0x00FEDCBA}));
    }
}

TEST(Adaptation, APictureThatIsNotTrueColourIsRefusedOnce) {
    // A 2 x 2 picture of 8 bits per pixel with a 256-entry colour table.
    std::vector<std::uint8_t> block(40 + 1024 + 8, 0);
    bytes::writeU32(block, 0, 40);
    bytes::writeU32(block, 4, 2);
    bytes::writeU32(block, 8, 2);
    bytes::writeU16(block, 14, 8);
    auto image = DibImage::fromBlock(block);
    ASSERT_TRUE(image);
    RecordingUserInterface ui;
    EXPECT_FALSE(adaptRgb4k(*image, ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>{notTrueColourMessage});
    EXPECT_TRUE(std::ranges::equal(image->block(), block));
}
