#include "RecordingUserInterface.h"
#include "TableFiles.h"
#include "TempDir.h"

#include "colour/ColourAdaptation.h"

#include <gtest/gtest.h>

#include <set>

using namespace kadro;
using test::RecordingUserInterface;
using test::TempDir;

namespace {

DibImage pictureOf(int width, int height, const std::function<Colour(int, int)>& colourAt) {
    auto image = DibImage::createBlank(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image->setPixel(x, y, colourAt(x, y));
    return std::move(*image);
}

std::vector<Colour> pixelsOf(const DibImage& image) {
    std::vector<Colour> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            Colour c = 0;
            image.getPixel(x, y, c);
            pixels.push_back(c);
        }
    return pixels;
}

// 20 x 15 smooth ramps: 300 distinct colours, more than the 256 the statistics list.
DibImage manyColours() {
    return pictureOf(20, 15,
                     [](int x, int y) { return makeColour(x * 12, y * 16, (x * y) % 256); });
}

} // namespace

TEST(AdaptRgb4k, KeepsTheTopNibbleOfEachComponent) {
    auto image =
        pictureOf(3, 2, [](int x, int y) { return x == 1 && y == 1 ? 0x00ABCDEFu : 0x000F1F2Fu; });
    RecordingUserInterface ui;
    ASSERT_TRUE(adaptRgb4k(image, ui));
    EXPECT_EQ(pixelsOf(image), (std::vector<Colour>{0x00001020, 0x00001020, 0x00001020, 0x00001020,
                                                    0x00A0C0E0, 0x00001020}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(AdaptHsl4k, CodeZeroNeverTakesPart) {
    TempDir dir;
    std::vector<Colour> hsl = test::emptyHslTable();
    hsl[0] = 0x00000000; // an exact match for black, but not a candidate
    hsl[1] = 0xFFFFFFFF; // the first best whatever its value: its low bytes are white
    hsl[70] = 0x00202020;
    hsl[90] = 0x00202020; // same colour, later code
    hsl[91] = 0x00E0E0E0;
    test::writeHslTable(dir.path().string(), hsl);
    auto image = pictureOf(4, 1, [](int x, int) {
        return std::array<Colour, 4>{0x00000000, 0x00E8E8E8, 0x00FFFFFF,
                                     0x00808080}[static_cast<std::size_t>(x)];
    });
    RecordingUserInterface ui;
    ASSERT_TRUE(adaptHsl4k(image, dir.path().string(), ui));
    // Black takes code 70, not code 0; white matches entry 1 exactly; grey 0x80 lies as far
    // from 0x20 as from 0xE0 and takes the earlier code.
    EXPECT_EQ(pixelsOf(image),
              (std::vector<Colour>{0x00202020, 0x00E0E0E0, 0x00FFFFFF, 0x00202020}));
}

TEST(AdaptHsl4k, EveryPixelOfAManyColouredPictureGetsItsNearestColour) {
    TempDir dir;
    test::copyShippedTables(dir.path().string());
    const auto table = test::shippedHslTable();
    const DibImage original = manyColours();
    DibImage image = original;
    RecordingUserInterface ui;
    ASSERT_TRUE(adaptHsl4k(image, dir.path().string(), ui));
    const auto before = pixelsOf(original), after = pixelsOf(image);
    for (std::size_t i = 0; i < before.size(); ++i)
        ASSERT_EQ(after[i], table[*scanNearest(table, CandidateSet{1, true}, before[i])])
            << "pixel " << i << " was " << std::hex << before[i];
}

TEST(Adapt64, NearestOfTheOldPaletteLowerEntryOnTies) {
    TempDir dir;
    std::vector<Colour> palette(64, 0x00FFFFFF);
    palette[3] = makeColour(100, 0, 0);
    palette[7] = makeColour(0, 100, 0);
    test::writeNesPalette(dir.path().string(), palette, "6576(OK).ACT");
    auto image = pictureOf(3, 1, [](int x, int) {
        return std::array<Colour, 3>{makeColour(50, 50, 0), makeColour(10, 60, 0),
                                     0x00EEEEEE}[static_cast<std::size_t>(x)];
    });
    RecordingUserInterface ui;
    ASSERT_TRUE(adapt64(image, dir.path().string(), ui))
        << (ui.messages.empty() ? "" : ui.messages[0]);
    EXPECT_EQ(pixelsOf(image),
              (std::vector<Colour>{makeColour(100, 0, 0), makeColour(0, 100, 0), 0x00FFFFFF}));
}

TEST(Adapt64, LeavesNoColourOutsideThePaletteBeyond256Colours) {
    TempDir dir;
    test::copyShippedTables(dir.path().string());
    DibImage image = manyColours();
    RecordingUserInterface ui;
    ASSERT_TRUE(adapt64(image, dir.path().string(), ui));
    std::vector<Colour> palette(64);
    auto shipped = fileio::readFile(dir.file(nesPaletteFileName));
    for (std::size_t i = 0; i < 64; ++i)
        palette[i] = makeColour((*shipped)[3 * i], (*shipped)[3 * i + 1], (*shipped)[3 * i + 2]);
    const std::set<Colour> allowed(palette.begin(), palette.end());
    for (Colour c : pixelsOf(image))
        ASSERT_TRUE(allowed.count(c)) << std::hex << c;
}

TEST(Adaptation, AMissingOrShortTableChangesNoPixel) {
    TempDir empty, shortFiles;
    test::writeHslTable(shortFiles.path().string(), std::vector<Colour>(1000, 0));
    test::writeNesPalette(shortFiles.path().string(), std::vector<Colour>(10, 0),
                          nesPaletteFileName, 0);
    for (const TempDir* dir : {&empty, &shortFiles}) {
        const DibImage original = manyColours();
        DibImage image = original;
        RecordingUserInterface ui;
        EXPECT_FALSE(adaptHsl4k(image, dir->path().string(), ui));
        EXPECT_FALSE(adapt64(image, dir->path().string(), ui));
        EXPECT_EQ(ui.messages,
                  (std::vector<std::string>{hslTableErrorMessage, nesPaletteErrorMessage}));
        EXPECT_TRUE(std::ranges::equal(image.block(), original.block()));
    }
}

TEST(Adaptation, APictureThatIsNotTrueColourIsRefusedOnce) {
    // A 2 x 2 picture of 8 bits per pixel with a 256-entry colour table.
    std::vector<std::uint8_t> block(40 + 1024 + 8, 0);
    bytes::writeU32(block, 0, 40);
    bytes::writeU32(block, 4, 2);
    bytes::writeU32(block, 8, 2);
    bytes::writeU16(block, 12, 1);
    bytes::writeU16(block, 14, 8);
    auto image = DibImage::fromBlock(block);
    ASSERT_TRUE(image);
    RecordingUserInterface ui;
    EXPECT_FALSE(adaptRgb4k(*image, ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>{notTrueColourMessage});
    EXPECT_TRUE(std::ranges::equal(image->block(), block));
}
